#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include <algorithm>

#include "core/attribute.h"
#include "model/pattern_store.h"
#include "synthesis/inventory_voice.h"

namespace {

SAlofonHeader Header(const char* name, int id, int features) {
    SAlofonHeader header{};
    std::memcpy(header.name, name, std::min(std::strlen(name), sizeof header.name));
    header.id = uint16_t(id);
    header.features = uint16_t(features);
    return header;
}

std::vector<int16_t> Tone(int n, int amplitude) {
    std::vector<int16_t> y(n);
    for (int k = 0; k < n; ++k) y[k] = int16_t(((k * 37) % 21 - 10) * amplitude / 10);
    return y;
}

SAlofonPatt* FromSamples(const char* name, int id, const std::vector<int16_t>& y,
                         uint32_t rate = 22050) {
    return new SAlofonPatt(Header(name, id, InventoryFeatures(id)), y.data(), int(2 * y.size()),
                           MonoPcm16(rate));
}

TEST(Pattern, DefaultsAndHeader) {
    SAlofonPatt empty;
    EXPECT_EQ(empty.id, kAlfNull);
    EXPECT_TRUE(empty.closed);
    EXPECT_EQ(empty.GetSize(), 0);
    EXPECT_EQ(empty.format, SPcmFormat{});
    EXPECT_EQ(empty.Name(), "");

    // A full 8-byte name has no terminator in the header; a longer one is cut.
    SAlofonPatt named(Header("abcdefgh", 5, 4), nullptr, 0, SPcmFormat{});
    EXPECT_EQ(named.Name(), "abcdefgh");
    named.SetName("0123456789");
    EXPECT_EQ(named.Name(), "01234567");
    EXPECT_EQ(named.Header().id, 5);
}

TEST(Pattern, FromSamplesNeedsMoreThanTenBytes) {
    std::vector<int16_t> y = Tone(8, 1000);
    struct Case {
        int bytes;
        int segments;
        int end;
    } cases[] = {{10, 0, 0}, {12, 0, 0}, {14, 0, 0}, {16, 8, 8}, {17, 8, 8}};
    for (const Case& c : cases) {
        std::vector<unsigned char> buffer(c.bytes, 0);
        std::memcpy(buffer.data(), y.data(), std::min<size_t>(c.bytes, 16));
        SAlofonPatt p(Header("a", 1, 4), buffer.data(), c.bytes, MonoPcm16(22050));
        EXPECT_EQ(p.GetSize(), c.segments) << c.bytes;
        EXPECT_EQ(p.end, c.end) << c.bytes;
        EXPECT_EQ(p.format.samplesPerSec, c.segments ? 22050u : 0u) << c.bytes;
    }
}

TEST(Pattern, CopyTakesCurveNotHeader) {
    std::unique_ptr<SAlofonPatt> source(FromSamples("h", 85, Tone(40, 5000)));
    source->maxe = 77;
    SAlofonPatt copy(Header("x", 3, 4), *source);
    EXPECT_EQ(copy.GetSize(), 40);
    EXPECT_EQ(copy.end, 40);
    EXPECT_EQ(copy.maxe, 77u);
    EXPECT_EQ(copy.id, 3);
    EXPECT_EQ(copy.Name(), "x");
    EXPECT_EQ(std::memcmp(copy.GetData(), source->GetData(), 40 * sizeof(SSplineSegment)), 0);
}

TEST(Pattern, CompleteFromStepsFitsKnots) {
    SAlofonPatt p;
    for (int start : {0, 10, 20}) p.Add(SSplineSegment{start, 10, 0, {}, {}, {}});
    std::vector<int16_t> wave(30);
    for (int k = 0; k < 30; ++k) wave[k] = int16_t(5 * k);
    p.CompleteFromSteps(Header("o", 4, 4), wave.data(), 60, MonoPcm16(11025));
    EXPECT_EQ(p.end, 30);
    EXPECT_EQ(p.format.samplesPerSec, 11025u);
    EXPECT_EQ(p[1].c0, 50);
    EXPECT_EQ(p[1].c1.Raw(), 5 * 65536);
    // An 8-bit format record counts every byte as a sample, but never reads
    // past the buffer.
    SPcmFormat eightBit = MonoPcm16(11025);
    eightBit.bitsPerSample = 8;
    p.CompleteFromSteps(Header("o", 4, 4), wave.data(), 60, eightBit);
    EXPECT_EQ(p.end, 30);
}

TEST(PauseSamples, RoundedDownToSixteen) {
    struct Case {
        int rate, ms, samples;
    } cases[] = {{22050, 500, 11024}, {22050, 1, 16}, {22050, 30, 656},      {11025, 500, 5504},
                 {0, 500, 0},         {22050, 0, 0},  {22050, 10000, 220496}};
    for (const Case& c : cases)
        EXPECT_EQ(PauseSamples(c.rate, c.ms), c.samples) << c.rate << " " << c.ms;
}

class FinishedStore : public ::testing::Test {
protected:
    void SetUp() override {
        store.Store(1, FromSamples("a", 1, Tone(100, 3000)));
        store.Store(23, FromSamples("aan", 23, Tone(50, 2000)));
        store.Store(39, FromSamples("aan", 39, Tone(60, 2000)));
        store.Store(85, FromSamples("h", 85, Tone(70, 4000)));
        store.Store(86, FromSamples("hi", 86, Tone(80, 4000)));
    }
    SAlfPattArr store;
};

TEST_F(FinishedStore, PausesFollowTheSettings) {
    SPauseLengths pauses;
    pauses.interSentence = 500;
    pauses.doubleLetter = 0;
    pauses.interWord = 20000;
    pauses.punctuation = -5;
    store.FinishLoad(pauses);
    struct Case {
        int id;
        const char* name;
        int length;
    } cases[] = {{106, "p003", 16},
                 {107, "p010", 220496},
                 {108, "p050", 16},
                 {109, "p100", 11024},
                 {110, "PauTag", 22048}};
    for (const Case& c : cases) {
        const SAlofonPatt* p = store.PatternAt(c.id);
        ASSERT_NE(p, nullptr) << c.id;
        EXPECT_EQ(p->pauseLength, c.length) << c.id;
        EXPECT_EQ(p->Name(), c.name);
        EXPECT_EQ(p->features, AF_PAUSE);
        EXPECT_EQ(p->GetSize(), 0);
    }
    // A later settings change rebuilds only the pause patterns.
    pauses.interSentence = 1000;
    store.MakePause(*store.PatternAt(109), pauses);
    EXPECT_EQ(store.PatternAt(109)->pauseLength, 22048);
    SAlofonPatt& vowel = *store.PatternAt(1);
    store.MakePause(vowel, pauses);
    EXPECT_EQ(vowel.GetSize(), 100);
}

TEST_F(FinishedStore, PausesFromTheSettingsRecord) {
    SAttribute settings;
    settings.pauseInterSentence = 500;
    settings.pausePunctuation = 0;
    settings.pauseInterWord = 70;
    settings.pauseDoubleLetter = 30;
    store.FinishLoad(settings);
    EXPECT_EQ(store.PatternAt(kAlfPauseInterSentence)->pauseLength, 11024);
    EXPECT_EQ(store.PatternAt(kAlfPausePunctuation)->pauseLength, 16);
    EXPECT_EQ(store.PatternAt(kAlfPauseInterWord)->pauseLength, 1536);  // 1543.5 -> 1544 -> 1536
    settings.pauseInterSentence = 250;
    store.MakePauses(settings);
    EXPECT_EQ(store.PatternAt(kAlfPauseInterSentence)->pauseLength, 5504);
    // Without arguments the process-wide default record drives the pauses.
    store.FinishLoad();
    EXPECT_EQ(store.PatternAt(kAlfPauseInterSentence)->pauseLength,
              PauseSamples(22050, DefaultAttribute().pauseInterSentence));
}

TEST_F(FinishedStore, VoicelessTwinsAndNull) {
    store.FinishLoad();
    for (auto [id, source, name] : {std::tuple{87, 85, "ch"}, std::tuple{88, 86, "chi"}}) {
        const SAlofonPatt* twin = store.PatternAt(id);
        const SAlofonPatt* original = store.PatternAt(source);
        ASSERT_NE(twin, nullptr);
        EXPECT_EQ(twin->Name(), name);
        EXPECT_EQ(twin->id, id);
        EXPECT_EQ(twin->features, InventoryFeatures(id));
        EXPECT_TRUE(twin->features & AF_VOICELESS);
        ASSERT_EQ(twin->GetSize(), original->GetSize());
        EXPECT_EQ(twin->end, original->end);
        EXPECT_EQ(twin->format, original->format);
        for (int x = 0; x < 4 * original->end; ++x)
            EXPECT_EQ(Evaluate(*twin, SFP::FromReal(x / 4.0)),
                      Evaluate(*original, SFP::FromReal(x / 4.0)));
    }
    const SAlofonPatt* null = store.PatternAt(kAlfNull);
    ASSERT_NE(null, nullptr);
    EXPECT_EQ(null->Name(), "null");
    EXPECT_EQ(null->features, AF_SILENT);
    EXPECT_EQ(null->GetSize(), 0);
    EXPECT_EQ(store.GetSize(), kAlfNull + 1);
}

TEST_F(FinishedStore, LookupsAndFormat) {
    store.FinishLoad();
    EXPECT_EQ(store.FindByName("aan"), 23);
    EXPECT_EQ(store.FindByName("ch"), 87);
    EXPECT_EQ(store.FindByName("PauTag"), 110);
    EXPECT_EQ(store.FindByName("AAN"), -1);
    EXPECT_EQ(store.FindByName("aa"), -1);
    EXPECT_EQ(store.FindByName(""), -1);
    EXPECT_EQ(store.VoiceFormat().samplesPerSec, 22050u);
    EXPECT_EQ(store.PatternAt(-1), nullptr);
    EXPECT_EQ(store.PatternAt(500), nullptr);
    // An id without a recording renders as silence.
    const SAlofonPatt& missing = store.PatternOrSilent(50);
    EXPECT_EQ(missing.features, 0);
    EXPECT_EQ(missing.SampleLength(), 0);
    EXPECT_EQ(missing.GetSize(), 0);
}

TEST(PatternStore, FinishLoadWithoutIdOne) {
    SAlfPattArr store;
    store.Store(2, FromSamples("e", 2, Tone(30, 100)));
    store.FinishLoad();
    EXPECT_EQ(store.VoiceFormat(), SPcmFormat{});
    for (int id = kAlfFirstPause; id <= kAlfLastPause; ++id)
        EXPECT_EQ(store.PatternAt(id)->pauseLength, 0);
    // No "h" to copy: the twins exist, silent, with their own features.
    EXPECT_EQ(store.PatternAt(87)->GetSize(), 0);
    EXPECT_EQ(store.PatternAt(87)->features, InventoryFeatures(87));
}

TEST(PatternStore, StoreReplacesAndGrows) {
    SAlfPattArr store;
    store.Store(40, FromSamples("een", 40, Tone(20, 10)));
    EXPECT_EQ(store.GetSize(), 41);
    EXPECT_EQ(store.PatternAt(39), nullptr);
    store.Store(40, FromSamples("x", 40, Tone(20, 10)));
    EXPECT_EQ(store.PatternAt(40)->Name(), "x");
    store.Store(-3, FromSamples("y", 1, Tone(20, 10)));  // dropped, not leaked
    EXPECT_EQ(store.GetSize(), 41);
}

TEST(InventoryVoice, EveryNamedIdHasItsPattern) {
    SAlfPattArr store;
    BuildInventoryVoice(store, MonoPcm16(22050), 64);
    for (int id = 1; id < kInventorySize; ++id) {
        if (InventoryName(id).empty()) continue;
        ASSERT_NE(store.PatternAt(id), nullptr) << id;
        EXPECT_EQ(store.PatternAt(id)->features, InventoryFeatures(id)) << id;
        EXPECT_EQ(store.PatternAt(id)->end, 64) << id;
    }
    EXPECT_EQ(store.PatternAt(kAlfPauseInterSentence)->pauseLength, 11024);
}

}  // namespace
