// Keeping the formants: on a pulse train (a decaying resonance re-excited
// every period, the textbook model of a voiced sound) the marks fall on the
// pulses, and the warp moves the pitch by the factor while the resonance
// stays where it was. Reading at another step moves the resonance with the
// pitch. Counts, bounds, the natural pitch and voiceless sounds are kept.
#include "synthesis/period_warp.h"

#include <gtest/gtest.h>

#include <cmath>
#include <thread>
#include <vector>

#include "model/spline_read.h"
#include "sentence_tune.h"
#include "synthesis/pulse_marks.h"
#include "synthesis/timing.h"
#include "synthesis/voice_pitch.h"
#include "synthesis_fixtures.h"

namespace {

constexpr int kRate = 22050;
constexpr int kPeriod = 176;             // samples: 125.3 Hz
constexpr double kResonanceHz = 1500.0;  // the formant
constexpr double kDecaySamples = 60.0;   // a bandwidth of about 117 Hz
constexpr int kVowel = 1, kVoicelessS = 71;

// A resonance at kResonanceHz struck at the start of every period, 250 ms.
SAlofonPatt PulseTrain(int id = kVowel, int samples = kRate / 4) {
    std::vector<int16_t> y(static_cast<size_t>(samples));
    for (int n = 0; n < samples; ++n) {
        const int k = n % kPeriod;
        const double ring =
            std::exp(-k / kDecaySamples) * std::sin(2 * M_PI * kResonanceHz * k / kRate);
        y[static_cast<size_t>(n)] = static_cast<int16_t>(std::lround(12000 * ring));
    }
    SAlofonPatt pattern(InventoryEntry(id), y.data(), 2 * samples, MonoPcm16(kRate));
    pattern.PrepareReading();
    return pattern;
}

// The frequency (5 Hz grid, 700..3000 Hz) where the sound's spectrum peaks:
// the harmonic nearest the resonance.
double SpectralPeak(const std::vector<int16_t>& x) {
    double best = 0, bestHz = 0;
    for (double hz = 700; hz <= 3000; hz += 5) {
        double re = 0, im = 0;
        for (size_t n = 0; n < x.size(); ++n) {
            re += x[n] * std::cos(2 * M_PI * hz * n / kRate);
            im += x[n] * std::sin(2 * M_PI * hz * n / kRate);
        }
        if (re * re + im * im > best) best = re * re + im * im, bestHz = hz;
    }
    return bestHz;
}

std::vector<int32_t> Raw(const SFastArray<SFP>& positions) {
    std::vector<int32_t> raw;
    for (int i = 0; i < positions.GetSize(); ++i) raw.push_back(positions[i].Raw());
    return raw;
}

TEST(PulseMarks, FallOnEveryPulseOfAPulseTrain) {
    const SAlofonPatt pattern = PulseTrain();
    const std::vector<int32_t> marks = FindPulseMarks(pattern, kRate);
    ASSERT_GE(marks.size(), size_t{kRate / 4 / kPeriod - 2});
    // The strongest sample of each ring is its first crest, a quarter of
    // the resonance's period after the strike; the first mark is on one of
    // the first two (equally strong) pulses.
    const int crest = static_cast<int>(std::lround(kRate / kResonanceHz / 4));
    EXPECT_LE(marks[0], kPeriod + crest + 1);
    for (size_t k = 0; k < marks.size(); ++k) {
        const int offset = marks[k] - crest;
        EXPECT_NEAR(offset - kPeriod * std::lround(offset / double(kPeriod)), 0, 1) << k;
        if (k > 0) {
            EXPECT_NEAR(marks[k] - marks[k - 1], kPeriod, 1) << k;
        }
    }
}

TEST(PulseMarks, NoneForVoicelessSilentOrShortRecordings) {
    EXPECT_TRUE(FindPulseMarks(PulseTrain(kVoicelessS), kRate).empty());
    EXPECT_TRUE(FindPulseMarks(SSounding(), kRate).empty());
    EXPECT_TRUE(FindPulseMarks(PulseTrain(kVowel, 300), kRate).empty());
    EXPECT_TRUE(FindPulseMarks(PulseTrain(), 0).empty());
}

TEST(PulseMarks, AreFoundOnceAndKeptWithTheRecording) {
    const SAlofonPatt pattern = PulseTrain();
    const std::vector<int32_t>& first = PulseMarksOf(pattern, kRate);
    EXPECT_EQ(&PulseMarksOf(pattern, kRate), &first);
    EXPECT_EQ(first, FindPulseMarks(pattern, kRate));
    // A copy finds its own.
    const SAlofonPatt copy(pattern.Header(), pattern);
    EXPECT_NE(&PulseMarksOf(copy, kRate), &first);
}

// Engines on several threads share the voices: all of them get one list.
TEST(PulseMarks, ThreadsAskingAtOnceShareOneList) {
    const SAlofonPatt pattern = PulseTrain();
    std::vector<const std::vector<int32_t>*> seen(4, nullptr);
    std::vector<std::thread> threads;
    for (size_t i = 0; i < seen.size(); ++i)
        threads.emplace_back([&, i] { seen[i] = &PulseMarksOf(pattern, kRate); });
    for (std::thread& t : threads) t.join();
    for (const auto* marks : seen) EXPECT_EQ(marks, seen[0]);
    EXPECT_EQ(*seen[0], FindPulseMarks(pattern, kRate));
}

TEST(PeriodWarp, MovesThePitchButNotTheResonance) {
    const SAlofonPatt pattern = PulseTrain();
    const std::vector<int32_t> marks = FindPulseMarks(pattern, kRate);
    const double naturalHz = double(kRate) / kPeriod;
    for (double factor : {0.8, 1.25}) {
        SCOPED_TRACE(factor);
        SFastArray<SFP> warped = NaturalPositions(pattern);
        const int count = warped.GetSize();
        WarpPeriods(marks, pattern.end - pattern.first, SFP::FromInt(1), factor, factor, warped);
        ASSERT_EQ(warped.GetSize(), count);
        const std::vector<int16_t> heard = Render(pattern, warped);
        const double hz = sentence_tune::MedianPitch(heard, kRate);
        EXPECT_NEAR(hz, naturalHz * factor, naturalHz * factor * 0.02);
        EXPECT_NEAR(SpectralPeak(heard), kResonanceHz, 0.6 * hz);

        // Reading at another step moves the resonance by the factor.
        SFastArray<SFP> stepped = NaturalPositions(pattern);
        ShiftPitchKeepingLength(pattern, kRate, factor, stepped);
        EXPECT_NEAR(SpectralPeak(Render(pattern, stepped)), kResonanceHz * factor, 0.6 * hz);
    }
}

TEST(PeriodWarp, KeepsCountAndBoundsAtEveryFactorAndStep) {
    const SAlofonPatt pattern = PulseTrain();
    const std::vector<int32_t> marks = FindPulseMarks(pattern, kRate);
    const int length = pattern.end - pattern.first;
    for (double step : {0.5, 1.0, 2.5}) {
        for (double from : {0.3, 0.5, 0.9, 1.6, 2.0, 5.0}) {
            for (double to : {0.5, 1.1, 2.0}) {
                SCOPED_TRACE(testing::Message() << step << " " << from << " " << to);
                SFastArray<SFP> positions;
                FillPositions(SFP(), SFP::FromReal(step), int64_t{length} * SFP::kOne, positions);
                const int count = positions.GetSize();
                WarpPeriods(marks, length, SFP::FromReal(step), from, to, positions);
                ASSERT_EQ(positions.GetSize(), count);
                for (int i = 0; i < count; ++i) {
                    ASSERT_GE(positions[i].Raw(), 0);
                    ASSERT_LE(positions[i].Raw(), (length - 1) * SFP::kOne);
                }
            }
        }
    }
}

TEST(PeriodWarp, NaturalPitchAndMissingMarksLeaveThePositions) {
    const SAlofonPatt pattern = PulseTrain();
    const std::vector<int32_t> marks = FindPulseMarks(pattern, kRate);
    const SFastArray<SFP> natural = NaturalPositions(pattern);
    const struct {
        std::vector<int32_t> marks;
        double factor;
    } cases[] = {{marks, 1.0}, {{}, 1.3}, {{500}, 1.3}};
    for (const auto& c : cases) {
        SFastArray<SFP> positions = NaturalPositions(pattern);
        WarpPeriods(c.marks, pattern.end - pattern.first, SFP::FromInt(1), c.factor, c.factor,
                    positions);
        EXPECT_EQ(Raw(positions), Raw(natural)) << c.marks.size() << " marks";
    }
    SFastArray<SFP> empty;
    WarpPeriods(marks, pattern.end - pattern.first, SFP::FromInt(1), 1.3, 1.3, empty);
    EXPECT_EQ(empty.GetSize(), 0);
}

// Through timing with the voice's pitch raised: the counts stay those of the
// natural pitch, voiceless "s" is read naturally, the vowel is not; switched
// off, the voice pitch goes back to reading at another step.
TEST(PeriodWarp, TimingWarpsVoicedSoundsOnlyAndKeepsEveryCount) {
    STestVoices voices(3000, 1500);
    auto timed = [&](int voicePitch, bool keepFormants) {
        STestSentence s;
        s.Word({kVowel, kVoicelessS, kVowel});
        SAttribute settings;
        settings.SetVoicePitch(voicePitch);
        settings.keepFormants = keepFormants;
        settings.intonation = false;  // the voice's pitch alone
        ComputeTiming(s.sentence, settings, voices.Pair());
        std::vector<std::vector<int32_t>> out;
        for (int a = 0; a < s.sentence.words[0]->GetSize(); ++a)
            out.push_back(Raw((*s.sentence.words[0])[a]->positions));
        return out;
    };
    voices.normal.Store(kVowel, new SAlofonPatt(PulseTrain()));
    const auto natural = timed(100, true), warped = timed(130, true), stepped = timed(130, false);
    ASSERT_EQ(natural.size(), 3u);
    for (size_t a = 0; a < natural.size(); ++a) EXPECT_EQ(warped[a].size(), natural[a].size());
    EXPECT_EQ(warped[1], natural[1]) << "voiceless";
    EXPECT_NE(warped[0], natural[0]) << "voiced";
    EXPECT_NE(warped[0], stepped[0]) << "the switch chooses the method";
    EXPECT_EQ(natural, timed(100, false)) << "natural pitch: the written timing";
}

}  // namespace
