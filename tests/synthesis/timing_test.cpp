#include <gtest/gtest.h>

#include "model/fixed_point.h"
#include "synthesis/apply_tag.h"
#include "synthesis/timing.h"
#include "synthesis_fixtures.h"

namespace {

struct SRateCase {
    int pitch;
    bool fast;
    int32_t step;          // 16.16
    int positions;         // for a 1000-sample (normal) or 500-sample (half-rate) pattern
    int32_t lastPosition;  // 16.16
    int32_t carry;         // 16.16, first position of the next allophone
};

class TimingAtPitch : public ::testing::TestWithParam<SRateCase> {};

TEST_P(TimingAtPitch, PositionsStepAndCarry) {
    const SRateCase& c = GetParam();
    STestVoices voices(1000, 500);
    STestSentence s;
    SWord& word = s.Word({1, 2});
    SAttribute settings;
    settings.SetPitch(c.pitch);
    TimeWord(word, settings, voices.Pair());

    const SAlofon& first = *word[0];
    EXPECT_EQ(first.useFast, c.fast);
    ASSERT_EQ(first.positions.GetSize(), c.positions);
    EXPECT_EQ(first.positions[0].Raw(), 0);
    EXPECT_EQ(first.positions[1].Raw(), c.step);
    EXPECT_EQ(first.positions[c.positions - 1].Raw(), c.lastPosition);
    EXPECT_EQ(word[1]->positions[0].Raw(), c.carry);
    for (int i = 1; i < first.positions.GetSize(); ++i)
        ASSERT_EQ(first.positions[i].Raw() - first.positions[i - 1].Raw(), c.step);
}

INSTANTIATE_TEST_SUITE_P(
    Rates, TimingAtPitch,
    ::testing::Values(SRateCase{160, false, 65536, 1000, 999 * 65536, 0},
                      SRateCase{180, false, 73728, 889, 999 * 65536, 8192},
                      SRateCase{200, false, 81920, 800, 998 * 65536 + 49152, 0},
                      SRateCase{240, false, 98304, 667, 999 * 65536, 32768},
                      // Half-rate voice, half the step: 300 / 160 / 2 = 0.9375.
                      SRateCase{300, true, 61440, 534, 533 * 61440,
                                533 * 61440 + 61440 - 500 * 65536}),
    [](const auto& info) { return "Pitch" + std::to_string(info.param.pitch); });

TEST(Timing, PositionListIsSizedFromLengthAndStep) {
    SFastArray<SFP> positions;
    // The slowest rate over a pattern far longer than any recording.
    SFP carry = FillPositions(SFP(), SFP::FromReal(0.5), int64_t{30000} * 65536, positions);
    EXPECT_EQ(positions.GetSize(), 60000);
    EXPECT_EQ(carry.Raw(), 0);
    // A carry at or past the end leaves the list empty and carries the overshoot.
    carry = FillPositions(SFP::FromInt(12), SFP::FromInt(1), int64_t{10} * 65536, positions);
    EXPECT_EQ(positions.GetSize(), 0);
    EXPECT_EQ(carry.Raw(), 2 * 65536);
}

TEST(Timing, PositionsAreTheArithmeticSequenceUpToTheLimit) {
    // Counts around the four-at-a-time stores, and a list ending just below
    // the largest position an int32 holds.
    struct SCase {
        int64_t carry, step, limit;
    };
    const SCase cases[] = {{0, 65536, 1},
                           {0, 65536, 3 * 65536},
                           {100, 65536, 4 * 65536},
                           {0, 81920, 5 * 65536},
                           {32768, 98304, 9 * 65536},
                           {INT32_MAX - 10 * 65536, 65536, INT32_MAX}};
    for (const SCase& c : cases) {
        SFastArray<SFP> positions;
        SFP carry = FillPositions(SFP::FromRaw(static_cast<int32_t>(c.carry)),
                                  SFP::FromRaw(static_cast<int32_t>(c.step)), c.limit, positions);
        int64_t expectedCount = (c.limit - c.carry + c.step - 1) / c.step;
        ASSERT_EQ(positions.GetSize(), expectedCount) << c.carry << " " << c.step;
        for (int i = 0; i < positions.GetSize(); ++i)
            ASSERT_EQ(positions[i].Raw(), c.carry + i * c.step) << i;
        EXPECT_EQ(carry.Raw(), c.carry + expectedCount * c.step - c.limit);
    }
}

TEST(Timing, PausesFollowTheRateOrTheTag) {
    STestVoices voices;
    STestSentence s;
    SWord& word = s.Word({109, 1, 110});
    word[2]->length = -250;
    SAttribute settings;
    settings.SetPitch(200);
    TimeWord(word, settings, voices.Pair());
    // 500 ms at 22050 Hz is 11024 samples (multiple of 16), read at x = 1.25.
    EXPECT_EQ(word[0]->SampleCount(), 8819);
    // The pause breaks the carry: the next allophone starts at 0.
    EXPECT_EQ(word[1]->positions[0].Raw(), 0);
    EXPECT_EQ(word[2]->SampleCount(), 5512);

    SWord& fast = s.Word({109, 110});
    fast[1]->length = -250;
    settings.SetPitch(320);
    TimeWord(fast, settings, voices.Pair());
    // The half-rate voice's own pause (5504 samples at 11025 Hz) at x = 2.
    EXPECT_EQ(fast[0]->SampleCount(), 2752);
    // A pause tag is milliseconds at the normal voice's rate whatever the Pitch.
    EXPECT_EQ(fast[1]->SampleCount(), 5512);
}

TEST(Timing, MissingPatternsAndTagCarriersGetNoSamples) {
    STestVoices voices;
    voices.normal.Store(5, nullptr);
    STestSentence s;
    SWord& word = s.Word({5, 124, 1});
    SAttribute settings;
    TimeWord(word, settings, voices.Pair());
    EXPECT_EQ(word[0]->SampleCount(), 0);
    EXPECT_EQ(word[1]->SampleCount(), 0);
    EXPECT_EQ(word[2]->SampleCount(), 1000);
}

TEST(Timing, DamagedPitchIsClampedNotAZeroStep) {
    STestVoices voices;
    STestSentence s;
    SWord& word = s.Word({1});
    SAttribute settings;
    settings.pitch = 0;  // as a registry could hold it
    TimeWord(word, settings, voices.Pair());
    EXPECT_EQ(word[0]->SampleCount(), 2000);  // read at the slowest rate, 0.5
}

TEST(Timing, SpeedTagTimesLaterWordsAndSettingsAreRestored) {
    STestVoices voices;
    STestSentence s;
    s.Word({1});
    s.Tag(10, "100");  // speed 100 = pitch 200
    s.Word({1});
    SAttribute settings;
    settings.intonation = false;  // the written rules alone
    settings.SetPitch(160);
    settings.volume = 40000;
    ComputeTiming(s.sentence, settings, voices.Pair());
    EXPECT_EQ(s.sentence.words[0]->ByteCount(), 2000);
    EXPECT_EQ(s.sentence.words[2]->ByteCount(), 1600);
    EXPECT_EQ(settings.pitch, 160);
    EXPECT_EQ(settings.speed, 80);
    EXPECT_EQ(settings.volume, 40000u);
}

struct STagCase {
    int code;
    const char* argument;
    int pitch, speed;
    uint32_t volume;
    int pnm;
};

TEST(ApplyTag, ChangesTheSettingsItNames) {
    const STagCase cases[] = {
        {10, "300", 400, 200, 0xFFFF, 50},                                   // speed clamped to 200
        {4, "50", 80, 40, 0xFFFF, 50},                                       // pitch clamped to 80
        {4, "200", 200, 100, 0xFFFF, 50},  {11, "1234", 160, 80, 1234, 50},  // volume not clamped
        {22, "250", 160, 80, 0xFFFF, 100},  // Pnm clamped to 0..100
        {21, "5", 160, 80, 0xFFFF, 50},     // Drv has no effect
    };
    for (const STagCase& c : cases) {
        STestSentence s;
        SAttribute settings;
        ApplyTag(s.Tag(c.code, c.argument), settings, nullptr);
        EXPECT_EQ(settings.pitch, c.pitch) << c.code << " " << c.argument;
        EXPECT_EQ(settings.speed, c.speed) << c.code << " " << c.argument;
        EXPECT_EQ(settings.volume, c.volume) << c.code << " " << c.argument;
        EXPECT_EQ(settings.pnmLevel, c.pnm) << c.code << " " << c.argument;
    }
}

TEST(ApplyTag, ResetRestoresRateAndVolume) {
    STestSentence s;
    SAttribute settings;
    settings.SetSpeed(150);
    settings.volume = 100;
    ApplyTag(s.Tag(9, "\x01"), settings, nullptr);
    EXPECT_EQ(settings.speed, 80);
    EXPECT_EQ(settings.pitch, 160);
    EXPECT_EQ(settings.volume, 0xFFFFu);
}

TEST(ApplyTag, ArgumentReadsLikeStrtol) {
    EXPECT_EQ(TagArgument(std::string("\x03\x0a") + "120abc"), 120);
    EXPECT_EQ(TagArgument(std::string("\x03\x0a") + " -7"), -7);
    EXPECT_EQ(TagArgument(std::string("\x03\x0a") + "x1"), 0);
    EXPECT_EQ(TagArgument(std::string("\x03\x0c") + "99999999999999"), INT32_MAX);
}

}  // namespace
