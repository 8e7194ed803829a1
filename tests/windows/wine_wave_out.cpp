// The wave-out destination on a real device and on none.
//
//   wine_wave_out play       a device is there (the test runs a private sound server):
//                            a bookmark arrives only once its sound has played, the
//                            device closes after the last byte, a reset drops the rest
//   wine_wave_out nodevice   no driver: the claim fails with a reason, nothing else breaks
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "check.h"
#include "sapi/audio/windows/wave_out_audio_dest.h"

namespace {

class CNotifyRecorder final : public IAudioDestNotifySink {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        *ppv = (riid == IID_IUnknown || riid == IID_IAudioDestNotifySink) ? this : nullptr;
        return *ppv != nullptr ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE AudioStop(WORD) override { return ++stops, S_OK; }
    HRESULT STDMETHODCALLTYPE AudioStart() override { return ++starts, S_OK; }
    HRESULT STDMETHODCALLTYPE FreeSpace(DWORD, BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE BookMark(DWORD id, BOOL) override {
        return marks.push_back(id), S_OK;
    }

    int starts = 0, stops = 0;
    std::vector<DWORD> marks;
};

constexpr DWORD kRate = 22050;

WAVEFORMATEX SpeechFormat() {
    WAVEFORMATEX f{};
    f.wFormatTag = WAVE_FORMAT_PCM;
    f.nChannels = 1;
    f.nSamplesPerSec = kRate;
    f.wBitsPerSample = 16;
    f.nBlockAlign = 2;
    f.nAvgBytesPerSec = kRate * 2;
    return f;
}

CWaveOutAudioDest* OpenDest(CNotifyRecorder* sink) {
    CWaveOutAudioDest* dest = CWaveOutAudioDest::Create();
    WAVEFORMATEX f = SpeechFormat();
    CHECK(dest->WaveFormatSet(SDATA{&f, sizeof f}) == S_OK);
    CHECK(dest->PassNotify(static_cast<IAudioDestNotifySink*>(sink), IID_IAudioDestNotifySink) ==
          S_OK);
    return dest;
}

// Pumps as a host's loop does until `done` or about `limitMs` have passed.
template <typename Done>
bool PumpUntil(CWaveOutAudioDest* dest, Done done, int limitMs = 5000) {
    for (DWORD start = GetTickCount(); !done(); dest->WaitAndPump(20))
        if (GetTickCount() - start > static_cast<DWORD>(limitMs)) return false;
    return true;
}

void CheckPlaysAndMarks() {
    CNotifyRecorder sink;
    CWaveOutAudioDest* dest = OpenDest(&sink);
    CHECK_NOTE(dest->Claim() == S_OK, dest->LastError());
    std::vector<char> tenth(kRate * 2 / 10, 0);  // 100 ms of silence
    for (int i = 0; i < 3; ++i)
        CHECK(dest->DataSet(tenth.data(), static_cast<DWORD>(tenth.size())) == S_OK);
    CHECK(dest->BookMark(7) == S_OK);
    dest->Pump();
    CHECK_NOTE(sink.marks.empty(), "a bookmark before its sound has played");
    QWORD position = 1;
    CHECK(dest->PosnGet(&position) == S_OK && position == 0);  // paused until Start
    CHECK(dest->Start() == S_OK);
    const DWORD started = GetTickCount();
    CHECK(PumpUntil(dest, [&] { return !sink.marks.empty(); }));
    CHECK_NOTE(GetTickCount() - started >= 200, "the mark came before 300 ms of sound could play");
    CHECK(sink.marks == std::vector<DWORD>{7});
    CHECK(sink.starts == 1);
    CHECK(dest->UnClaim() == S_OK);
    CHECK(PumpUntil(dest, [&] { return sink.stops == 1; }));
    CHECK(!dest->IsClaimed());
    CHECK(dest->LastError().empty());
    dest->Release();
}

void CheckResetDropsTheRest() {
    CNotifyRecorder sink;
    CWaveOutAudioDest* dest = OpenDest(&sink);
    CHECK_NOTE(dest->Claim() == S_OK, dest->LastError());
    std::vector<char> second(kRate * 2, 0);
    CHECK(dest->DataSet(second.data(), static_cast<DWORD>(second.size()) / 2) == S_OK);
    CHECK(dest->Start() == S_OK);
    dest->WaitAndPump(20);
    CHECK(dest->Flush() == S_OK);
    QWORD position = 0, total = 0;
    CHECK(dest->PosnGet(&position) == S_OK && dest->TotalGet(&total) == S_OK);
    CHECK_NOTE(position == total, "a reset leaves nothing to play");
    CHECK(dest->UnClaim() == S_OK);
    CHECK(PumpUntil(
        dest, [&] { return sink.stops == 1; }, 1000));
    dest->Release();
}

void CheckNoDevice() {
    CNotifyRecorder sink;
    CWaveOutAudioDest* dest = OpenDest(&sink);
    HRESULT hr = dest->Claim();
    CHECK(FAILED(hr));
    CHECK_NOTE(dest->LastError().rfind("no wave-out device: ", 0) == 0, dest->LastError());
    CHECK(!dest->IsClaimed());
    char data[64] = {};
    CHECK(FAILED(dest->DataSet(data, sizeof data)));
    CHECK(dest->Pump() == 0);
    CHECK(sink.starts == 0 && sink.stops == 0);
    dest->Release();
}

}  // namespace

int main(int argc, char** argv) {
    std::string mode = argc == 2 ? argv[1] : "";
    if (mode == "play") {
        CheckPlaysAndMarks();
        CheckResetDropsTheRest();
    } else if (mode == "nodevice") {
        CheckNoDevice();
    } else {
        std::fprintf(stderr, "usage: wine_wave_out play|nodevice\n");
        return 2;
    }
    return wine_check::Summary("wine_wave_out");
}
