// The voice's own pitch: a voiced recording read faster or slower keeps its
// sample count, sounds at the pitch asked for and has no clicks where the
// reader jumps by a period; voiceless sounds and the natural pitch are left
// exactly as they were.
#include "synthesis/voice_pitch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "model/spline_read.h"
#include "sentence_tune.h"
#include "synthesis/timing.h"
#include "synthesis_fixtures.h"

namespace {

constexpr int kRate = 22050;
constexpr double kVoiceHz = 125.0;

// A vowel-like recording: a 125 Hz tone with four harmonics, 200 ms.
SAlofonPatt VoicedPattern(int samples = kRate / 5) {
    std::vector<int16_t> y(static_cast<size_t>(samples));
    for (int n = 0; n < samples; ++n) {
        double t = 2 * M_PI * kVoiceHz * n / kRate, v = 0;
        for (int h = 1; h <= 4; ++h) v += std::sin(h * t + h) / h;
        y[static_cast<size_t>(n)] = static_cast<int16_t>(std::lround(6000 * v));
    }
    SAlofonPatt pattern(InventoryEntry(1), y.data(), 2 * samples, MonoPcm16(kRate));
    pattern.PrepareReading();
    return pattern;
}

int LargestStep(const std::vector<int16_t>& y) {
    int largest = 0;
    for (size_t i = 1; i < y.size(); ++i) largest = std::max(largest, std::abs(y[i] - y[i - 1]));
    return largest;
}

TEST(VoicePitch, MovesThePitchAndKeepsTheSampleCountWithoutClicks) {
    const SAlofonPatt pattern = VoicedPattern();
    const int naturalStep = LargestStep(Render(pattern, NaturalPositions(pattern)));
    for (double factor : {0.7, 0.85, 1.2, 1.5}) {
        SCOPED_TRACE(factor);
        SFastArray<SFP> positions = NaturalPositions(pattern);
        const int count = positions.GetSize();
        ShiftPitchKeepingLength(pattern, kRate, factor, positions);
        ASSERT_EQ(positions.GetSize(), count);
        for (int i = 0; i < count; ++i) {
            ASSERT_GE(positions[i].Raw(), 0);
            ASSERT_LT(positions[i].Raw(), (pattern.end - pattern.first) * SFP::kOne);
        }
        std::vector<int16_t> heard = Render(pattern, positions);
        double hz = sentence_tune::FinalPitch(heard, kRate, heard.size());
        EXPECT_NEAR(hz, kVoiceHz * factor, kVoiceHz * factor * 0.02);
        // Reading faster steepens the wave by the factor; a jump adds no more.
        EXPECT_LE(LargestStep(heard), naturalStep * std::max(factor, 1.0) * 1.1);
    }
}

TEST(VoicePitch, NaturalPitchEmptyListsAndTinyPatternsAreSafe) {
    const SAlofonPatt pattern = VoicedPattern();
    SFastArray<SFP> positions = NaturalPositions(pattern, 1.3);
    SFastArray<SFP> before = NaturalPositions(pattern, 1.3);
    ShiftPitchKeepingLength(pattern, kRate, 1.0, positions);
    ASSERT_EQ(positions.GetSize(), before.GetSize());
    for (int i = 0; i < positions.GetSize(); ++i) EXPECT_EQ(positions[i], before[i]);

    SFastArray<SFP> none;
    ShiftPitchKeepingLength(pattern, kRate, 1.5, none);
    EXPECT_EQ(none.GetSize(), 0);

    // Shorter than any period: the reader stays inside the few samples there are.
    for (int samples : {9, 40}) {
        const SAlofonPatt tiny = VoicedPattern(samples);
        for (double factor : {0.7, 1.5}) {
            SFastArray<SFP> p = NaturalPositions(tiny);
            const int count = p.GetSize();
            ShiftPitchKeepingLength(tiny, kRate, factor, p);
            ASSERT_EQ(p.GetSize(), count);
            for (int i = 0; i < count; ++i) {
                EXPECT_GE(p[i].Raw(), 0);
                EXPECT_LT(p[i].Raw(), samples * SFP::kOne);
            }
        }
    }
}

TEST(VoicePitch, SettingIsClampedToTheRangeTheVoiceMovesCleanly) {
    const struct {
        int percent;
        double factor;
    } cases[] = {{100, 1.0}, {50, 0.7}, {69, 0.7}, {70, 0.7}, {120, 1.2}, {150, 1.5}, {200, 1.5}};
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(VoicePitchFactor(c.percent), c.factor) << c.percent;
}

// Through timing: every allophone keeps its sample count; voiceless sounds
// (here "s", 71) are read exactly as at the natural pitch, voiced ones ("a",
// 1; "m", 77) are not.
TEST(VoicePitch, TimingMovesVoicedSoundsOnlyAndKeepsEveryCount) {
    STestVoices voices(3000, 1500);
    for (int pitch : {160, 300}) {
        SCOPED_TRACE(pitch);
        auto timed = [&](int voicePitch) {
            STestSentence s;
            s.Word({1, 71, 77, 1});
            SAttribute settings;
            settings.SetPitch(pitch);
            settings.SetVoicePitch(voicePitch);
            ComputeTiming(s.sentence, settings, voices.Pair());
            std::vector<std::vector<int32_t>> out;
            for (int a = 0; a < s.sentence.words[0]->GetSize(); ++a) {
                const SAlofon& al = *(*s.sentence.words[0])[a];
                std::vector<int32_t> p;
                for (int i = 0; i < al.positions.GetSize(); ++i) p.push_back(al.positions[i].Raw());
                out.push_back(p);
            }
            return out;
        };
        const auto natural = timed(100), higher = timed(140);
        ASSERT_EQ(natural.size(), higher.size());
        for (size_t a = 0; a < natural.size(); ++a) EXPECT_EQ(natural[a].size(), higher[a].size());
        EXPECT_EQ(higher[1], natural[1]) << "voiceless";
        EXPECT_NE(higher[0], natural[0]) << "voiced";
        EXPECT_NE(higher[2], natural[2]) << "voiced";
    }
}

}  // namespace
