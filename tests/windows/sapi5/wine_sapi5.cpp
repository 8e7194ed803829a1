// The SAPI 5 voice driven as SAPI drives it, with a host written from the
// published interface (host_sapi_ddk.h), not from the voice's headers.
//
//   wine_sapi5 cases [NAME]               the self-checking cases below (or only one)
//   wine_sapi5 speak TEXT.txt OUT.pcm OUT.events [xml]
//                                         speaks the UTF-8 text (as SAPI XML when asked) and writes
//                                         its PCM and its word and bookmark events ("word BYTE
//                                         OFFSET LENGTH", "bookmark BYTE NUMBER"), for the
//                                         comparison with the Linux build
//   wine_sapi5 registered | unregistered  whether the voice token and its class are there
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <cwctype>
#include <fstream>
#include <iterator>
#include <thread>

#include "../check.h"
#include "host_voice.h"

namespace {

using Clock = std::chrono::steady_clock;

std::wstring Widen(const std::string& utf8) {
    const int n =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring out(n, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
    return out;
}

long Millis(Clock::duration d) {
    return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(d).count());
}

// The events of a run are in order and never behind the audio.
void CheckEventsOrdered(const HostSite& site, const char* what) {
    CHECK_NOTE(site.faults.empty(),
               std::string(what) + ": " + (site.faults.empty() ? "" : site.faults.front()));
}

void SpeakInto(HostEngine& engine, const SapiFragments& fragments, HostSite& site,
               HRESULT& result) {
    result = engine.Speak(fragments, site);
}

// ---- the cases ----

void CaseToken(const HostVoiceToken& token) {
    CHECK(token.inCategory);
    CHECK(token.displayName.find(L"polski") != std::wstring::npos);
    CHECK(token.language == L"415");
    CHECK(token.vendor == L"Dravenlab");
    CHECK(token.name == L"Vokrant");
    CHECK(token.gender == L"Male" && token.age == L"Adult");
    CHECK(!token.version.empty());
}

void CaseOutputFormat(HostEngine& engine) {
    const GUID* targets[] = {nullptr, &host::kFormatText, &host::kFormatWaveEx};
    WAVEFORMATEX odd{WAVE_FORMAT_PCM, 2, 48000, 192000, 4, 16, 0};
    for (const GUID* target : targets) {
        for (const WAVEFORMATEX* wanted :
             {static_cast<const WAVEFORMATEX*>(nullptr), static_cast<const WAVEFORMATEX*>(&odd)}) {
            GUID id{};
            WAVEFORMATEX* format = nullptr;
            CHECK(engine.get()->GetOutputFormat(target, wanted, &id, &format) == S_OK);
            CHECK(id == host::kFormatWaveEx);
            CHECK(format != nullptr && format->wFormatTag == WAVE_FORMAT_PCM &&
                  format->nChannels == 1 && format->nSamplesPerSec == 22050 &&
                  format->wBitsPerSample == 16 && format->nBlockAlign == 2 &&
                  format->nAvgBytesPerSec == 44100 && format->cbSize == 0);
            CoTaskMemFree(format);
        }
    }
    CHECK(engine.get()->GetOutputFormat(nullptr, nullptr, nullptr, nullptr) == E_POINTER);
}

// Bad calls get an error or are spoken safely.
void CaseBadInput(HostEngine& engine) {
    HostSite site;
    CHECK(engine.SpeakRaw(nullptr, &site) == E_INVALIDARG);
    const SapiFragments text = SapiFragments::FromXml(L"Ala ma kota.");
    CHECK(engine.SpeakRaw(text.List(), nullptr) == E_INVALIDARG);
    // Nothing to say: no sound, or only a pause.
    for (const wchar_t* quiet : {L"", L"   \t\r\n ", L"<bookmark mark=\"x\"/>"}) {
        HostSite s;
        CHECK(engine.Speak(SapiFragments::FromXml(quiet), s) == S_OK);
        CHECK(std::all_of(s.pcm.begin(), s.pcm.end(), [](unsigned char b) { return b == 0; }));
    }
    // A fragment that is not NUL-terminated: only ulTextLen counts.
    HostSite whole, cut;
    CHECK(engine.Speak(SapiFragments::FromXml(L"Ala ma kota."), whole) == S_OK);
    const wchar_t buffer[] = {L'A', L'l', L'a', L' ', L'm', L'a', L' ', L'k',
                              L'o', L't', L'a', L'.', L'X', L'X', L'Y'};
    host::TextFrag frag{};
    frag.State.Volume = 100;
    frag.pTextStart = buffer;
    frag.ulTextLen = 12;
    CHECK(engine.SpeakRaw(&frag, &cut) == S_OK);
    CHECK(!whole.pcm.empty() && cut.pcm == whole.pcm);
    // A list that loops back on itself is refused, not read for ever.
    host::TextFrag loop[2] = {frag, frag};
    loop[0].pNext = &loop[1];
    loop[1].pNext = &loop[0];
    HostSite looping;
    CHECK(engine.SpeakRaw(loop, &looping) == E_INVALIDARG && looping.pcm.empty());
    // Lone surrogates and a pair the code page lacks.
    HostSite odd;
    CHECK(engine.Speak(
              SapiFragments::FromXml(std::wstring(L"Ala \xD800 ma \xDC00 kota \xD83D\xDE00.")),
              odd) == S_OK);
    CHECK(!odd.pcm.empty());
    // A site whose Write fails: its error comes back.
    HostSite failing;
    failing.writeResult = E_ACCESSDENIED;
    CHECK(engine.Speak(text, failing) == E_ACCESSDENIED);
    // One megabyte in one fragment, stopped after its first sound.
    std::wstring big;
    while (big.size() < (1u << 19)) big += L"Zdanie numer pięć ma sześć słów. ";
    HostSite bigSite;
    bigSite.onWrite = [](HostSite& s, ULONGLONG) { s.Abort(); };
    CHECK(engine.Speak(SapiFragments::FromXml(big), bigSite) == S_OK);
    CHECK(bigSite.writes == 1);
    // Every action the voice cannot speak is left unspoken.
    HostSite unknown;
    CHECK(engine.Speak(SapiFragments::FromXml(L"<foo bar=\"1\"/><section/>"), unknown) == S_OK);
    CHECK(unknown.pcm.empty());
}

// Say-all: 40 sentences with a numbered bookmark after each, inside the pitch
// wrapper, as a screen reader sends them.
void CaseSayAll(HostEngine& engine) {
    std::wstring xml = L"<pitch absmiddle=\"0\">";
    for (int i = 1; i <= 40; ++i)
        xml += L"Zdanie numer " + std::to_wstring(i) + L" jest krótkie.<Bookmark Mark=\"" +
               std::to_wstring(100 + i) + L"\"/>";
    xml += L"</pitch>";
    for (bool interestFails : {false, true}) {
        HostSite site;
        site.interestFails = interestFails;
        site.interest = SPFEI(SPEI_TTS_BOOKMARK);
        CHECK(engine.Speak(SapiFragments::FromXml(xml), site) == S_OK);
        const auto marks = site.EventsOf(SPEI_TTS_BOOKMARK);
        CHECK_NOTE(marks.size() == 40, std::to_string(marks.size()));
        for (size_t i = 0; i < marks.size(); ++i) {
            CHECK(marks[i].wParam == 101 + i);
            CHECK(marks[i].text == std::to_wstring(101 + i));
        }
        CHECK(site.EventsOf(SPEI_WORD_BOUNDARY).empty());
        // The last bookmark comes after all the sound.
        CHECK(!marks.empty() && marks.back().offset == site.pcm.size());
        CheckEventsOrdered(site, "say-all");
        // At most 50 ms (1102.5 samples) in one Write.
        CHECK(site.largestWrite <= 2205);
    }
}

// Word, sentence and bookmark offsets point into the string spoken.
void CaseOffsets(HostEngine& engine) {
    const std::wstring xml =
        L"<volume level=\"100\">Ala ma kota. <bookmark mark=\"1\"/>Kot &lt; psa, a pies ma "
        L"Alę.</volume>";
    HostSite site;
    CHECK(engine.Speak(SapiFragments::FromXml(xml), site) == S_OK);
    CheckEventsOrdered(site, "offsets");
    // Punctuation the voice reads as a pause has its own word events; the words are these.
    std::vector<HostEvent> words;
    for (const HostEvent& word : site.EventsOf(SPEI_WORD_BOUNDARY))
        if (std::iswalpha(xml[static_cast<size_t>(word.lParam)])) words.push_back(word);
    const wchar_t* expected[] = {L"Ala", L"ma", L"kota", L"Kot"};
    CHECK(words.size() >= 4);
    for (size_t i = 0; i < std::min<size_t>(4, words.size()); ++i) {
        const std::wstring word = xml.substr(static_cast<size_t>(words[i].lParam), words[i].wParam);
        CHECK_NOTE(word == expected[i], std::to_string(i));
    }
    for (const HostEvent& word : words)
        CHECK(static_cast<size_t>(word.lParam) + word.wParam <= xml.size());
    const auto sentences = site.EventsOf(SPEI_SENTENCE_BOUNDARY);
    CHECK(sentences.size() == 2);
    if (!sentences.empty())
        CHECK(xml.substr(static_cast<size_t>(sentences[0].lParam), sentences[0].wParam) ==
              L"Ala ma kota.");
    const auto marks = site.EventsOf(SPEI_TTS_BOOKMARK);
    CHECK(marks.size() == 1 && marks[0].wParam == 1);
    // The bookmark lies between the sound of "kota" and that of "Kot".
    if (words.size() >= 4 && marks.size() == 1)
        CHECK(words[2].offset < marks[0].offset && marks[0].offset <= words[3].offset);
    CHECK(!site.EventsOf(SPEI_VISEME).empty());
    // Not asked for: not sent.
    HostSite quiet;
    quiet.interest = SPFEI(SPEI_TTS_BOOKMARK);
    CHECK(engine.Speak(SapiFragments::FromXml(xml), quiet) == S_OK);
    CHECK(quiet.EventsOf(SPEI_WORD_BOUNDARY).empty() && quiet.EventsOf(SPEI_VISEME).empty());
    CHECK(quiet.pcm == site.pcm);
}

// One word per fragment, no blanks, a bookmark between each pair.
void CaseOneWordEach(HostEngine& engine) {
    const std::wstring text = L"Ala ma kota i psa";
    HostSite site;
    CHECK(engine.Speak(SapiFragments::OneWordEach(text), site) == S_OK);
    std::vector<HostEvent> words;
    for (const HostEvent& word : site.EventsOf(SPEI_WORD_BOUNDARY))
        if (std::iswalpha(text[static_cast<size_t>(word.lParam)])) words.push_back(word);
    CHECK_NOTE(words.size() == 5, std::to_string(words.size()));
    const size_t starts[] = {0, 4, 7, 12, 14};
    for (size_t i = 0; i < std::min<size_t>(5, words.size()); ++i)
        CHECK(static_cast<size_t>(words[i].lParam) == starts[i]);
    const auto marks = site.EventsOf(SPEI_TTS_BOOKMARK);
    CHECK(marks.size() == 4);
    for (size_t i = 0; i < marks.size() && i + 1 < words.size(); ++i)
        CHECK(marks[i].wParam == i + 1 && words[i].offset < marks[i].offset &&
              marks[i].offset <= words[i + 1].offset);
    CheckEventsOrdered(site, "one word each");
}

void CaseLastBookmark(HostEngine& engine) {
    HostSite site;
    CHECK(engine.Speak(SapiFragments::FromXml(L"<pitch absmiddle=\"0\">Ala ma kota.<bookmark "
                                              L"mark=\"7\"/><bookmark mark=\"8\"/></pitch>"),
                       site) == S_OK);
    const auto marks = site.EventsOf(SPEI_TTS_BOOKMARK);
    CHECK(marks.size() == 2 && marks[0].wParam == 7 && marks[1].wParam == 8);
    CHECK(!marks.empty() && marks.back().offset == site.pcm.size() && !site.pcm.empty());
}

void CaseSilenceAndSpell(HostEngine& engine) {
    HostSite silence;
    CHECK(engine.Speak(SapiFragments::FromXml(L"<silence msec=\"500\"/>"), silence) == S_OK);
    CHECK_NOTE(silence.pcm.size() == 22050, std::to_string(silence.pcm.size()));
    CHECK(std::all_of(silence.pcm.begin(), silence.pcm.end(),
                      [](unsigned char b) { return b == 0; }));
    HostSite word, spelled;
    CHECK(engine.Speak(SapiFragments::FromXml(L"<volume level=\"100\">kot</volume>"), word) ==
          S_OK);
    CHECK(engine.Speak(SapiFragments::FromXml(L"<spell>kot</spell>"), spelled) == S_OK);
    // Three letter names last longer than the word.
    CHECK(spelled.pcm.size() > word.pcm.size() * 2);
    HostSite pron;
    CHECK(engine.Speak(SapiFragments::FromXml(L"<pron sym=\"k o t\">kot</pron>"), pron) == S_OK);
    CHECK(pron.pcm == word.pcm);
}

std::vector<int16_t> Samples(const std::vector<unsigned char>& pcm) {
    std::vector<int16_t> out(pcm.size() / 2);
    std::memcpy(out.data(), pcm.data(), out.size() * 2);
    return out;
}

void CaseRateVolumePitch(HostEngine& engine) {
    const std::wstring text = L"Ala ma kota, a kot ma Alę. Zażółć gęślą jaźń.";
    HostSite normal, fast, slow, half, quiet, siteHalf;
    CHECK(engine.Speak(SapiFragments::FromXml(text), normal) == S_OK);
    fast.rate = 5;
    slow.rate = -5;
    CHECK(engine.Speak(SapiFragments::FromXml(text), fast) == S_OK);
    CHECK(engine.Speak(SapiFragments::FromXml(text), slow) == S_OK);
    CHECK(fast.pcm.size() < normal.pcm.size() && normal.pcm.size() < slow.pcm.size());
    // A fragment's rate adds to the site's.
    HostSite xmlFast;
    CHECK(engine.Speak(SapiFragments::FromXml(L"<rate absspeed=\"5\">" + text + L"</rate>"),
                       xmlFast) == S_OK);
    CHECK(xmlFast.pcm == fast.pcm);
    // Volume is linear: 50 % halves every sample (rounded toward zero).
    CHECK(engine.Speak(SapiFragments::FromXml(L"<volume level=\"50\">" + text + L"</volume>"),
                       half) == S_OK);
    siteHalf.volume = 50;
    CHECK(engine.Speak(SapiFragments::FromXml(text), siteHalf) == S_OK);
    const auto base = Samples(normal.pcm), halved = Samples(half.pcm);
    bool linear = base.size() == halved.size();
    for (size_t i = 0; linear && i < base.size(); ++i) linear = halved[i] == base[i] / 2;
    CHECK(linear);
    CHECK(siteHalf.pcm == half.pcm);
    // Both multiply: 50 % of 50 % is a quarter.
    quiet.volume = 50;
    CHECK(engine.Speak(SapiFragments::FromXml(L"<volume level=\"50\">" + text + L"</volume>"),
                       quiet) == S_OK);
    const auto quarter = Samples(quiet.pcm);
    bool product = quarter.size() == base.size();
    for (size_t i = 0; product && i < base.size(); ++i)
        product = quarter[i] == base[i] * 2500 / 10000;
    CHECK(product);
    // A change of volume in the middle of the text takes effect at the next piece.
    HostSite midVolume;
    midVolume.onWrite = [](HostSite& s, ULONGLONG) {
        if (s.writes == 4) s.ChangeVolume(0);
    };
    CHECK(engine.Speak(SapiFragments::FromXml(text), midVolume) == S_OK);
    CHECK(midVolume.pcm.size() == normal.pcm.size() && midVolume.writeStarts.size() > 4);
    if (midVolume.writeStarts.size() > 4 && midVolume.pcm.size() == normal.pcm.size()) {
        // The piece being written when the change came is the last one heard.
        const size_t changed = midVolume.writeStarts[4];
        CHECK(
            std::equal(midVolume.pcm.begin(), midVolume.pcm.begin() + changed, normal.pcm.begin()));
        CHECK(std::all_of(midVolume.pcm.begin() + changed, midVolume.pcm.end(),
                          [](unsigned char b) { return b == 0; }));
    }
    // A change of rate in the middle: the rest is read faster.
    HostSite midRate;
    midRate.onWrite = [](HostSite& s, ULONGLONG) {
        if (s.writes == 2) s.ChangeRate(8);
    };
    CHECK(engine.Speak(SapiFragments::FromXml(text), midRate) == S_OK);
    CHECK(midRate.pcm.size() < normal.pcm.size());
    // Pitch moves the voice without changing the rate.
    HostSite low, high;
    CHECK(engine.Speak(SapiFragments::FromXml(L"<pitch absmiddle=\"-24\">" + text + L"</pitch>"),
                       low) == S_OK);
    CHECK(engine.Speak(SapiFragments::FromXml(L"<pitch absmiddle=\"25\">" + text + L"</pitch>"),
                       high) == S_OK);
    CHECK(!low.pcm.empty() && !high.pcm.empty());
}

// Abort 100 ms into a long text played in real time.
void CaseAbort(HostEngine& engine) {
    std::wstring text;
    for (int i = 0; i < 200; ++i) text += L"To jest bardzo długi tekst czytany na głos bez końca. ";
    HostSite site;
    site.realTime = true;
    HRESULT result = E_FAIL;
    const auto start = Clock::now();
    const SapiFragments fragments = SapiFragments::FromXml(text);
    std::thread speaker([&] { SpeakInto(engine, fragments, site, result); });
    while (site.writes == 0 && Clock::now() - start < std::chrono::seconds(30))
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const auto aborted = Clock::now();
    site.Abort();
    speaker.join();
    const long took = Millis(Clock::now() - aborted);
    std::fprintf(stderr, "abort: Speak returned %ld ms after the abort; first sound after %ld ms\n",
                 took, Millis(site.firstWrite - start));
    CHECK(result == S_OK);
    CHECK_NOTE(took < 100, std::to_string(took) + " ms");
    CHECK(site.pcm.size() < 44100 * 2);
}

// Twenty thousand characters: the first sound comes after the first sentence.
void CaseFirstSound(HostEngine& engine) {
    std::wstring text;
    while (text.size() < 20000)
        text += L"Zdanie numer dwa ma w sobie kilka słów i przecinek, jak zwykle. ";
    HostSite shortSite, longSite;
    shortSite.onWrite = longSite.onWrite = [](HostSite& s, ULONGLONG) { s.Abort(); };
    auto start = Clock::now();
    engine.Speak(
        SapiFragments::FromXml(L"Zdanie numer dwa ma w sobie kilka słów i przecinek, jak zwykle."),
        shortSite);
    const long shortMs = Millis(shortSite.firstWrite - start);
    start = Clock::now();
    engine.Speak(SapiFragments::FromXml(text), longSite);
    const long longMs = Millis(longSite.firstWrite - start);
    std::fprintf(stderr, "first sound: %ld ms for one sentence, %ld ms for %zu characters\n",
                 shortMs, longMs, text.size());
    CHECK(longSite.writes == 1);
    // Rendering all of it takes seconds; the first sentence, milliseconds.
    CHECK_NOTE(longMs < 4 * shortMs + 1000, std::to_string(longMs));
}

void CaseSkip(HostEngine& engine) {
    const std::wstring text =
        L"Pierwsze zdanie jest tutaj. Drugie zdanie jest tutaj. Trzecie zdanie jest tutaj.";
    HostSite all, skipped, back;
    CHECK(engine.Speak(SapiFragments::FromXml(text), all) == S_OK);
    skipped.onWrite = [](HostSite& s, ULONGLONG) {
        if (s.writes == 2) s.RequestSkip(1);
    };
    CHECK(engine.Speak(SapiFragments::FromXml(text), skipped) == S_OK);
    CHECK(skipped.completedSkips == std::vector<LONG>{1});
    const auto sentences = skipped.EventsOf(SPEI_SENTENCE_BOUNDARY);
    // Skipping one sentence forward leaves the rest of the first out; the others are spoken.
    CHECK(sentences.size() == 3 &&
          static_cast<size_t>(sentences[1].lParam) == text.find(L"Drugie"));
    CHECK(skipped.pcm.size() < all.pcm.size());
    // Back to the start of the sentence: it is heard again.
    back.onWrite = [](HostSite& s, ULONGLONG) {
        if (s.writes == 2) s.RequestSkip(0);
    };
    CHECK(engine.Speak(SapiFragments::FromXml(text), back) == S_OK);
    CHECK(back.completedSkips == std::vector<LONG>{0});
    CHECK(back.pcm.size() > all.pcm.size());
    CheckEventsOrdered(back, "skip back");
}

// Two voices on two threads at once sound as each alone.
void CaseTwoAtOnce(const HostVoiceToken& token) {
    HostEngine first(token), second(token);
    if (!CHECK(first.get() != nullptr && second.get() != nullptr)) return;
    const SapiFragments a = SapiFragments::FromXml(L"Ala ma kota. Kot ma Alę.");
    const SapiFragments b =
        SapiFragments::FromXml(L"<rate absspeed=\"3\">Zażółć gęślą jaźń, proszę.</rate>");
    HostSite aloneA, aloneB, togetherA, togetherB;
    first.Speak(a, aloneA);
    second.Speak(b, aloneB);
    HRESULT ra = E_FAIL, rb = E_FAIL;
    std::thread ta([&] { SpeakInto(first, a, togetherA, ra); });
    std::thread tb([&] { SpeakInto(second, b, togetherB, rb); });
    ta.join();
    tb.join();
    CHECK(ra == S_OK && rb == S_OK);
    CHECK(togetherA.pcm == aloneA.pcm && togetherB.pcm == aloneB.pcm);
}

// Runs every case, or only the one named.
int RunCases(const std::string& only) {
    HostVoiceToken token;
    if (!CHECK(FindVoiceToken(L"Vokrant", token))) return wine_check::Summary("wine_sapi5");
    CaseToken(token);
    using EngineCase = void (*)(HostEngine&);
    const std::pair<const char*, EngineCase> cases[] = {
        {"format", CaseOutputFormat},
        {"bad", CaseBadInput},
        {"sayall", CaseSayAll},
        {"offsets", CaseOffsets},
        {"words", CaseOneWordEach},
        {"last", CaseLastBookmark},
        {"silence", CaseSilenceAndSpell},
        {"prosody", CaseRateVolumePitch},
        {"skip", CaseSkip},
        {"abort", CaseAbort},
        {"first", CaseFirstSound},
    };
    {
        HostEngine engine(token);
        if (CHECK(engine.get() != nullptr)) {
            CHECK(engine.tokenSet() == S_OK);
            for (const auto& [name, run] : cases) {
                if (!only.empty() && only != name) continue;
                std::fprintf(stderr, "case %s\n", name);
                run(engine);
            }
        }
    }
    if (only.empty() || only == "two") CaseTwoAtOnce(token);
    return wine_check::Summary("wine_sapi5");
}

int SpeakFile(const char* textPath, const char* pcmPath, const char* eventsPath, bool xml) {
    std::ifstream in(textPath, std::ios::binary);
    const std::string utf8((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    HostVoiceToken token;
    if (!FindVoiceToken(L"Vokrant", token)) return std::fprintf(stderr, "no voice token\n"), 1;
    HostEngine engine(token);
    if (engine.get() == nullptr) return std::fprintf(stderr, "no engine\n"), 1;
    std::wstring text = Widen(utf8);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r')) text.pop_back();
    HostSite site;
    // Plain text is one fragment whatever is asked; XML must start with a tag.
    CHECK(!xml || (!text.empty() && text[0] == L'<'));
    const HRESULT hr = engine.Speak(SapiFragments::FromXml(text), site);
    CHECK(hr == S_OK);
    CheckEventsOrdered(site, "speak");
    std::ofstream(pcmPath, std::ios::binary)
        .write(reinterpret_cast<const char*>(site.pcm.data()), site.pcm.size());
    std::ofstream events(eventsPath);
    for (const HostEvent& event : site.events) {
        if (event.id == SPEI_WORD_BOUNDARY)
            events << "word " << event.offset << ' ' << event.lParam << ' ' << event.wParam << '\n';
        else if (event.id == SPEI_TTS_BOOKMARK)
            events << "bookmark " << event.offset << ' ' << event.wParam << '\n';
    }
    return wine_check::Summary("wine_sapi5 speak");
}

}  // namespace

int main(int argc, char** argv) {
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    const std::string mode = argc > 1 ? argv[1] : "cases";
    int status = 2;
    if (mode == "cases") {
        status = RunCases(argc > 2 ? argv[2] : "");
    } else if (mode == "speak" && argc >= 5) {
        status = SpeakFile(argv[2], argv[3], argv[4], argc > 5 && std::string(argv[5]) == "xml");
    } else if (mode == "dump" && argc >= 3) {
        // Every event of a text given on the command line, for a look by hand.
        HostVoiceToken token;
        FindVoiceToken(L"Vokrant", token);
        HostEngine engine(token);
        HostSite site;
        const HRESULT hr = engine.Speak(SapiFragments::FromXml(Widen(argv[2])), site);
        std::printf("hr %08lx, %zu bytes in %zu writes\n", static_cast<unsigned long>(hr),
                    site.pcm.size(), site.writes);
        for (const HostEvent& e : site.events)
            if (e.id != SPEI_VISEME)
                std::printf("event %d at %llu: w %llu l %lld '%ls'\n", e.id, e.offset,
                            static_cast<unsigned long long>(e.wParam),
                            static_cast<long long>(e.lParam), e.text.c_str());
        for (const std::string& fault : site.faults) std::printf("fault: %s\n", fault.c_str());
        status = 0;
    } else if (mode == "registered" || mode == "unregistered") {
        HostVoiceToken token;
        const bool found = FindVoiceToken(L"Vokrant", token);
        if (mode == "registered") {
            CaseToken(token);
            CHECK(found);
            HostEngine engine(token);
            CHECK(engine.get() != nullptr);
        } else {
            CHECK(!found && !token.inCategory);
            // The class is gone with the token.
            CLSID clsid{};
            CLSIDFromString(L"{5E3A7C21-9B04-4D6F-A18E-27C4903B6D52}", &clsid);
            IUnknown* object = nullptr;
            CHECK(FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                          reinterpret_cast<void**>(&object))));
        }
        status = wine_check::Summary(("wine_sapi5 " + mode).c_str());
    }
    CoUninitialize();
    return status;
}
