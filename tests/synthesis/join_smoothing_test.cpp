// Smoothing the join of two recordings: where two continuous sounds meet,
// the dip their edge fades make is filled by a crossfade that keeps the
// waves in phase; stops, explicit lengths and recordings too short to read
// past their fades are left alone, and nothing outside the crossfade moves.
#include "synthesis/join_smoothing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "model/alofon.h"
#include "synthesis/render.h"
#include "synthesis/timing.h"
#include "synthesis_fixtures.h"

namespace {

constexpr int kRate = 22050;
constexpr int kFade = 66;  // 3 ms at 22050 Hz, as the voice's recordings fade

// A periodic recording at `hz` with harmonics, faded in and out over 3 ms
// with raised cosines, as the voice builder cuts them.
void StoreFadedTone(SAlfPattArr& store, int id, double hz, int samples) {
    std::vector<int16_t> y(static_cast<size_t>(samples));
    for (int n = 0; n < samples; ++n) {
        double t = 2 * M_PI * hz * n / kRate;
        double v = std::sin(t) + 0.5 * std::sin(2 * t + 1) + 0.3 * std::sin(3 * t + 2);
        double edge = std::min(n, samples - 1 - n);
        double fade = edge < kFade ? 0.5 * (1 - std::cos(M_PI * edge / kFade)) : 1.0;
        y[static_cast<size_t>(n)] = static_cast<int16_t>(std::lround(8000 * v * fade));
    }
    auto* pattern = new SAlofonPatt(InventoryEntry(id), y.data(), 2 * samples, store.VoiceFormat());
    pattern->PrepareReading();
    store.Store(id, pattern);
}

// Two allophones timed at step 1 and rendered one after the other.
struct SJoinedPair {
    SAlofon first, second;
    std::vector<int16_t> pcm;
    int join = 0;

    SJoinedPair(int firstId, int secondId, const SVoicePair& voices)
        : first(firstId), second(secondId) {
        TimeAlone(first, voices);
        TimeAlone(second, voices);
        SFastArray<int16_t> a, b;
        RenderAllophone(first, a, voices);
        RenderAllophone(second, b, voices);
        pcm.assign(a.GetData(), a.GetData() + a.GetSize());
        join = static_cast<int>(pcm.size());
        pcm.insert(pcm.end(), b.GetData(), b.GetData() + b.GetSize());
    }

    static void TimeAlone(SAlofon& alofon, const SVoicePair& voices) {
        const SAlofonPatt* p = voices.normal->PatternAt(alofon.id);
        FillPositions(SFP(), SFP::FromInt(1), int64_t{p->end - p->first} * SFP::kOne,
                      alofon.positions);
    }

    double Rms(int from, int to) const {
        double sum = 0;
        for (int i = from; i < to; ++i) sum += double(pcm[size_t(i)]) * pcm[size_t(i)];
        return std::sqrt(sum / std::max(1, to - from));
    }
};

class JoinSmoothing : public ::testing::Test {
protected:
    void SetUp() override {
        // "a" (1) and "o" (4) at a voice's pitch; "m" (77) a nasal; "t" (65) a stop.
        StoreFadedTone(voices_.normal, 1, 110.0, 2400);
        StoreFadedTone(voices_.normal, 4, 118.0, 2200);
        StoreFadedTone(voices_.normal, 77, 105.0, 1800);
        StoreFadedTone(voices_.normal, 65, 110.0, 1800);
        StoreFadedTone(voices_.normal, 2, 110.0, 150);  // "e": too short to read past its fades
    }
    STestVoices voices_{1000, 500};
};

TEST_F(JoinSmoothing, FillsTheDipBetweenTwoContinuousSoundsAndTouchesNothingElse) {
    for (auto [a, b] : {std::pair{1, 4}, std::pair{4, 77}, std::pair{77, 1}}) {
        SCOPED_TRACE(std::to_string(a) + "+" + std::to_string(b));
        SJoinedPair pair(a, b, voices_.Pair());
        const std::vector<int16_t> before = pair.pcm;
        const int j = pair.join;
        // The middle of the join, where both fades lie near silence.
        const double dip = pair.Rms(j - 20, j + 20);
        const double level = pair.Rms(j - 600, j - 200);
        EXPECT_LT(dip, level * 0.3) << "the fades dip";
        const double region = pair.Rms(j - kFade, j + kFade);
        ASSERT_TRUE(SmoothJoin(pair.first, pair.second, pair.pcm.data() + j, voices_.Pair()));
        EXPECT_GT(pair.Rms(j - 20, j + 20), dip * 2) << "the middle sounds";
        EXPECT_GE(pair.Rms(j - kFade, j + kFade), region) << "no deeper than the fades";
        for (size_t i = 0; i < before.size(); ++i) {
            if (int(i) >= j - kFade && int(i) < j + kFade) continue;
            ASSERT_EQ(pair.pcm[i], before[i]) << "sample " << i << " is outside the crossfade";
        }
        // In phase: the crossfade is no steeper than the waves themselves.
        int steepestOutside = 0, steepestInside = 0;
        for (int i = 1; i < int(before.size()); ++i) {
            const int step = std::abs(pair.pcm[size_t(i)] - pair.pcm[size_t(i - 1)]);
            int& steepest = i > j - kFade && i < j + kFade ? steepestInside : steepestOutside;
            steepest = std::max(steepest, step);
        }
        EXPECT_LE(steepestInside, steepestOutside * 1.5);
    }
}

TEST_F(JoinSmoothing, LeavesStopsShortRecordingsAndMixedVoicesAlone) {
    struct SCase {
        const char* what;
        int first, second;
        bool fastSecond;
    } cases[] = {
        {"into a stop", 1, 65, false},
        {"out of a stop", 65, 1, false},
        {"too short", 1, 2, false},
        {"normal into half-rate voice", 1, 4, true},
    };
    for (const SCase& c : cases) {
        SJoinedPair pair(c.first, c.second, voices_.Pair());
        pair.second.useFast = c.fastSecond;
        const std::vector<int16_t> before = pair.pcm;
        EXPECT_FALSE(
            SmoothJoin(pair.first, pair.second, pair.pcm.data() + pair.join, voices_.Pair()))
            << c.what;
        EXPECT_EQ(pair.pcm, before) << c.what;
    }
    // An explicit length is not the positions' count: the samples are not the reading.
    SJoinedPair pair(1, 4, voices_.Pair());
    pair.second.length = pair.second.positions.GetSize() + 10;
    EXPECT_FALSE(SmoothJoin(pair.first, pair.second, pair.pcm.data() + pair.join, voices_.Pair()));
}

TEST(JoinSmoothingFeatures, ContinuantsAreTheSoundsThatSoundOnAcrossTheirEdges) {
    const struct {
        int id;
        bool continuant;
    } cases[] = {{1, true},   {17, true},  {33, true},  {77, true},   {89, true},
                 {94, true},  {96, true},  {71, true},  {57, true},   {49, false},
                 {65, false}, {74, false}, {60, false}, {106, false}, {98, false}};
    for (const auto& c : cases)
        EXPECT_EQ(IsContinuant(InventoryEntry(c.id).features), c.continuant) << c.id;
}

}  // namespace
