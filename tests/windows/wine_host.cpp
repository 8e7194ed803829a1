// A Windows host driving vokrant.dll through real COM, as a screen reader
// does: the engine's enumerator is created from the registry, the voice is
// selected on the host's own audio destination (which collects the sound and
// delivers bookmarks as its clock plays them), tagged text is spoken, and
// everything is released until the DLL says it can be unloaded.
//
//   wine_host OUT.pcm TEXT.txt   finally speaks the UTF-8 text of TEXT.txt untagged and writes its
//   PCM to OUT.pcm
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "check.h"
#include "platform/codepage.h"
#include "sapi/audio/simulated_audio_dest.h"
#include "sapi/engine_ids.h"
#include "sapi/sapi4.h"

namespace {

// Records every notification of one text, and counts its references so that
// the engine's AddRef/Release balance is checked.
class CRecordingSink final : public ITTSBufNotifySink {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        if (ppv == nullptr) return E_INVALIDARG;
        *ppv = (riid == IID_IUnknown || riid == IID_ITTSBufNotifySink) ? this : nullptr;
        if (*ppv == nullptr) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }
    HRESULT STDMETHODCALLTYPE TextDataStarted(QWORD) override {
        events.push_back("started");
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE TextDataDone(QWORD, DWORD flags) override {
        events.push_back("done " + std::to_string(flags));
        done = true;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE BookMark(QWORD ts, DWORD mark) override {
        marks.push_back(mark);
        markTimes.push_back(ts);
        playedAtMark.push_back(played ? *played : 0);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE WordPosition(QWORD ts, DWORD offset) override {
        wordOffsets.push_back(offset);
        wordTimes.push_back(ts);
        return S_OK;
    }

    long refs = 0;
    bool done = false;
    const QWORD* played = nullptr;  // the destination's clock when a mark arrives
    std::vector<std::string> events;
    std::vector<DWORD> marks, wordOffsets;
    std::vector<QWORD> markTimes, wordTimes, playedAtMark;
};

struct SSession {
    ITTSCentralW* central = nullptr;
    CSimulatedAudioDest* dest = nullptr;
    QWORD played = 0;

    HRESULT Speak(const std::u16string& text, bool tagged, CRecordingSink* sink) {
        sink->played = &played;
        SDATA data{const_cast<char16_t*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(char16_t))};
        return central->TextData(CHARSET_TEXT, tagged ? TTSDATAFLAG_TAGGED : 0, data,
                                 static_cast<ITTSBufNotifySink*>(sink), IID_ITTSBufNotifySink);
    }
    void Advance(DWORD bytes) {
        played = dest->Played() + bytes;
        dest->Advance(bytes);
        played = dest->Played();
    }
    bool PlayUntilDone(CRecordingSink& sink, int rounds = 20000) {
        for (int i = 0; i < rounds && !sink.done; ++i) Advance(2048);
        return sink.done;
    }
};

ITTSEnumW* CreateEnumeratorThroughRegistry() {
    void* p = nullptr;
    HRESULT hr =
        CoCreateInstance(CLSID_VokrantEngine, nullptr, CLSCTX_INPROC_SERVER, IID_ITTSEnumW, &p);
    CHECK_NOTE(hr == S_OK, "CoCreateInstance: " + std::to_string(hr));
    return static_cast<ITTSEnumW*>(p);
}

std::vector<TTSMODEINFOW> EnumerateModes(ITTSEnumW* modes) {
    std::vector<TTSMODEINFOW> found;
    CHECK(modes->Reset() == S_OK);
    for (int guard = 0; guard < 16; ++guard) {
        TTSMODEINFOW info{};
        ULONG fetched = 0;
        HRESULT hr = modes->Next(1, &info, &fetched);
        if (fetched == 0) {
            CHECK(hr == S_FALSE);
            break;
        }
        found.push_back(info);
    }
    return found;
}

void CheckEnumeration(ITTSEnumW* modes) {
    std::vector<TTSMODEINFOW> found = EnumerateModes(modes);
    CHECK(!found.empty());
    if (found.empty()) return;
    CHECK(found[0].gModeID == MODEID_VokrantNeutral);
    CHECK(found[0].gEngineID == CLSID_VokrantEngine);
    CHECK(found[0].language.LanguageID == 1045);
    std::u16string name(AsUtf16(found[0].szModeName));
    CHECK_NOTE(name.find(u"Vokrant") != std::u16string::npos, Utf16ToUtf8(name));
    // A clone walks the same list again from the same place.
    ITTSEnumW* clone = nullptr;
    CHECK(modes->Clone(&clone) == S_OK && clone != nullptr);
    if (clone != nullptr) {
        CHECK(EnumerateModes(clone).size() == found.size());
        CHECK(clone->Release() == 0);
    }
}

// A screen reader's tagged text: bookmarks, a pause, a rate change, tag names
// in mixed case, a doubled backslash for a literal one, the closing pause.
void CheckTaggedText(SSession& s) {
    const std::u16string text =
        u"\\mrk=1\\Dzie\u0144 dobry. \\Pau=300\\\\MRK=2\\Ala ma kota. \\Spd=150\\\\mrk=3\\"
        u"Katalog C:\\\\dane\\\\pliki jest pusty.\\Mrk=4\\\\PAU=1\\";
    CRecordingSink sink;
    CHECK(s.Speak(text, true, &sink) == S_OK);
    CHECK(s.PlayUntilDone(sink));
    CHECK(sink.events == (std::vector<std::string>{"started", "done 0"}));
    CHECK_NOTE(sink.marks == (std::vector<DWORD>{1, 2, 3, 4}),
               std::to_string(sink.marks.size()) + " marks");
    CHECK(std::is_sorted(sink.markTimes.begin(), sink.markTimes.end()));
    for (size_t i = 0; i < sink.markTimes.size(); ++i)
        CHECK_NOTE(sink.playedAtMark[i] >= sink.markTimes[i],
                   "a bookmark arrives when its byte has played");
    CHECK(sink.wordOffsets.size() >= 8);
    CHECK(std::is_sorted(sink.wordOffsets.begin(), sink.wordOffsets.end()));
    CHECK(std::is_sorted(sink.wordTimes.begin(), sink.wordTimes.end()));
    CHECK(sink.markTimes.size() == 4 && sink.markTimes[1] > sink.markTimes[0] &&
          sink.markTimes[3] > sink.markTimes[2]);
    CHECK(sink.refs == 0);
}

void CheckResetInMidText(SSession& s) {
    CRecordingSink sink;
    CHECK(s.Speak(u"Pierwsze zdanie jest do\u015B\u0107 d\u0142ugie, \u017Ceby je przerwa\u0107 w "
                  u"po\u0142owie. "
                  u"A drugie te\u017C.",
                  false, &sink) == S_OK);
    for (int i = 0; i < 200 && sink.wordOffsets.size() < 2; ++i) s.Advance(512);
    CHECK(sink.wordOffsets.size() >= 2);
    CHECK(!sink.done);
    CHECK(s.central->AudioReset() == S_OK);
    CHECK(sink.events ==
          (std::vector<std::string>{"started", "done " + std::to_string(TTSBNS_ABORTED)}));
    CHECK(sink.refs == 0);
    const QWORD total = s.dest->Total();
    const size_t words = sink.wordOffsets.size();
    for (int i = 0; i < 20; ++i) s.Advance(4096);
    CHECK(s.dest->Total() == total);
    CHECK(sink.wordOffsets.size() == words);
    CHECK(!s.dest->IsClaimed());
}

void CheckPauseAndResume(SSession& s) {
    CRecordingSink sink;
    CHECK(s.Speak(u"Ala ma kota, a kot ma Al\u0119.", false, &sink) == S_OK);
    for (int i = 0; i < 200 && sink.wordOffsets.size() < 2; ++i) s.Advance(512);
    CHECK(s.central->AudioPause() == S_OK);
    const QWORD played = s.dest->Played();
    for (int i = 0; i < 20; ++i) s.Advance(4096);
    CHECK_NOTE(s.dest->Played() == played, "nothing plays while paused");
    CHECK(!sink.done);
    CHECK(s.central->AudioResume() == S_OK);
    CHECK(s.PlayUntilDone(sink));
    CHECK(sink.events == (std::vector<std::string>{"started", "done 0"}));
    CHECK(s.central->AudioResume() == TTSERR_NOTPAUSED);
}

std::string ReadTextFile(const std::string& path) {
    std::string bytes;
    if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) bytes.append(buffer, n);
        std::fclose(f);
    }
    while (!bytes.empty() && (bytes.back() == '\n' || bytes.back() == '\r')) bytes.pop_back();
    return bytes;
}

bool WritePcmFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

// Speaks `text` alone on a fresh destination and writes the PCM it produced.
void WritePlainSpeech(ITTSEnumW* modes, const std::u16string& text, const std::string& path) {
    SSession s;
    s.dest = CSimulatedAudioDest::Create(16384);
    CHECK(modes->Select(MODEID_VokrantNeutral, &s.central, static_cast<IAudio*>(s.dest)) == S_OK);
    if (s.central == nullptr) return;
    CRecordingSink sink;
    CHECK(s.Speak(text, false, &sink) == S_OK);
    CHECK(s.PlayUntilDone(sink));
    CHECK(!s.dest->Written().empty());
    CHECK_NOTE(WritePcmFile(path, s.dest->Written()), path);
    CHECK(s.central->Release() == 0);
    s.dest->PlayAll();
    CHECK(s.dest->Release() == 0);
}

HRESULT CanUnloadNow() {
    HMODULE module = GetModuleHandleA("vokrant.dll");
    if (module == nullptr) return E_FAIL;
    auto canUnload = reinterpret_cast<DllCanUnloadNowFn>(GetProcAddress(module, "DllCanUnloadNow"));
    return canUnload != nullptr ? canUnload() : E_FAIL;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: wine_host OUT.pcm TEXT.txt\n");
        return 2;
    }
    CHECK(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    ITTSEnumW* modes = CreateEnumeratorThroughRegistry();
    if (modes == nullptr) return wine_check::Summary("wine_host");
    CheckEnumeration(modes);

    SSession s;
    s.dest = CSimulatedAudioDest::Create(16384);
    CHECK(modes->Select(MODEID_VokrantNeutral, &s.central, static_cast<IAudio*>(s.dest)) == S_OK);
    if (s.central != nullptr) {
        CheckTaggedText(s);
        CheckResetInMidText(s);
        CheckPauseAndResume(s);
        CHECK(CanUnloadNow() == S_FALSE);
        CHECK(s.central->Release() == 0);
    }
    s.dest->PlayAll();
    CHECK(s.dest->Release() == 0);

    std::string text = ReadTextFile(argv[2]);
    CHECK_NOTE(!text.empty(), argv[2]);
    WritePlainSpeech(modes, Utf8ToUtf16(text), argv[1]);
    CHECK(modes->Release() == 0);
    CHECK(CanUnloadNow() == S_OK);
    CoUninitialize();
    return wine_check::Summary("wine_host");
}
