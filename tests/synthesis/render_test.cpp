#include <gtest/gtest.h>

#include <vector>

#include "synthesis/render.h"
#include "synthesis/timing.h"
#include "synthesis_fixtures.h"

namespace {

struct SVolumeCase {
    uint32_t volume;
    int32_t gain;
    int16_t in, out;
};

TEST(ApplyVolume, GainStepsAndRounding) {
    const SVolumeCase cases[] = {
        {65535, 65536, 10000, 10000},   {60000, 65536, 10000, 10000},
        {0x1FFFF, 65536, 10000, 10000},  // only the low 16 bits count
        {59999, 52057, 10000, 7943},     // -2 dB
        {32768, 13076, 10000, 1995},     // -14 dB
        {0, 2072, 10000, 316},           // -30 dB
        {59999, 52057, -1, -1},          // negative samples round toward minus infinity
        {59999, 52057, -10000, -7944},  {0, 2072, -32768, -1036},
        {0, 2072, 32767, 1035},
    };
    for (const SVolumeCase& c : cases) {
        EXPECT_EQ(VolumeGain(c.volume), c.gain) << c.volume;
        int16_t samples[3] = {c.in, c.in, 123};
        ApplyVolume(samples, 4, c.volume);
        EXPECT_EQ(samples[0], c.out) << c.volume << " " << c.in;
        EXPECT_EQ(samples[1], c.out) << c.volume << " " << c.in;
        EXPECT_EQ(samples[2], 123) << "only the given bytes are scaled";
    }
}

TEST(RenderAllophone, ReadsTheSplineAtThePreparedPositions) {
    STestVoices voices;
    STestVoices::SetRamp(voices.normal, 1, 100, 50);
    STestSentence s;
    SWord& word = s.Word({1});
    SAttribute settings;
    settings.SetPitch(160);
    TimeWord(word, settings, voices.Pair());
    SFastArray<int16_t> samples;
    RenderAllophone(*word[0], samples, voices.Pair());
    ASSERT_EQ(samples.GetSize(), 100);
    for (int k = 0; k < 99; ++k) ASSERT_NEAR(samples[k], 50 * k, 1) << k;

    // Half positions land between the samples of a straight line.
    word[0]->positions.SetSize(2);
    word[0]->positions[0] = SFP::FromReal(2.5);
    word[0]->positions[1] = SFP::FromReal(10.5);
    RenderAllophone(*word[0], samples, voices.Pair());
    ASSERT_EQ(samples.GetSize(), 2);
    EXPECT_NEAR(samples[0], 125, 1);
    EXPECT_NEAR(samples[1], 525, 1);
}

TEST(RenderAllophone, UsesTheVoiceItWasTimedFor) {
    STestVoices voices;
    STestVoices::SetRamp(voices.normal, 1, 100, 10);
    STestVoices::SetRamp(voices.halfRate, 1, 100, -10);
    STestSentence s;
    SWord& word = s.Word({1});
    SAttribute settings;
    settings.SetPitch(300);
    TimeWord(word, settings, voices.Pair());
    ASSERT_TRUE(word[0]->useFast);
    SFastArray<int16_t> samples;
    RenderAllophone(*word[0], samples, voices.Pair());
    ASSERT_GT(samples.GetSize(), 10);
    EXPECT_LT(samples[10], 0);
}

TEST(RenderAllophone, PausesMissingPatternsAndEmptyRecordsAreSilent) {
    STestVoices voices;
    voices.normal.Store(7, nullptr);
    STestSentence s;
    SWord& word = s.Word({108, 7, 1});
    word[1]->length = 50;  // explicit length over a missing pattern
    SAttribute settings;
    TimeWord(word, settings, voices.Pair());
    word[1]->length = 50;
    SFastArray<int16_t> samples;
    RenderAllophone(*word[0], samples, voices.Pair());
    ASSERT_GT(samples.GetSize(), 0);
    for (int16_t v : samples) ASSERT_EQ(v, 0);
    RenderAllophone(*word[1], samples, voices.Pair());
    ASSERT_EQ(samples.GetSize(), 50);
    for (int16_t v : samples) ASSERT_EQ(v, 0);
    word[2]->positions.SetSize(0);
    RenderAllophone(*word[2], samples, voices.Pair());
    EXPECT_EQ(samples.GetSize(), 0);
}

TEST(RenderWord, WritesTheByteCountAndSkipsTagCarriers) {
    STestVoices voices(200, 100);
    STestSentence s;
    SWord& word = s.Word({1, 126, 2, 107});
    word[1]->length = 10;  // a carrier never sounds, whatever it holds
    SAttribute settings;
    TimeWord(word, settings, voices.Pair());
    word[1]->length = 10;
    int64_t expected =
        2 * (word[0]->SampleCount() + word[2]->SampleCount() + word[3]->SampleCount());
    std::vector<char> out(expected + 16, 'x');
    int bytes = RenderWord(word, out.data(), voices.Pair());
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(out[expected], 'x') << "nothing written past the word";
}

}  // namespace
