#include "synthesis/pattern_periods.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kShortestPeriodSeconds = 1.0 / 400, kLongestPeriodSeconds = 1.0 / 70;
// A period when the recording shows none (a burst, a short pattern): 120 Hz.
constexpr double kFallbackPeriodSeconds = 1.0 / 120;
constexpr int kCoarseStep = 3;  // lags between the coarse search's tries

}  // namespace

SPatternPeriods::SPatternPeriods(const SSounding& recording, int sampleRate)
    : samples_(recording.WholeSamples()),
      shortest_(std::max(2, static_cast<int>(sampleRate * kShortestPeriodSeconds))),
      longest_(std::max(shortest_ + 1, static_cast<int>(sampleRate * kLongestPeriodSeconds))),
      fallback_(std::max(1, static_cast<int>(sampleRate * kFallbackPeriodSeconds))) {}

SPatternPeriods::SLag SPatternPeriods::BestLag(int from, bool back, int lowest, int highest) const {
    SLag best;
    lowest = std::max(lowest, shortest_);
    highest = std::min(highest, longest_);
    if (from < 0 || from >= Length() || lowest > highest) return best;
    // The likeness at a lag, or -2 where the windows leave the recording.
    auto likenessAt = [&](int lag, int stride) {
        const int other = back ? from - lag : from + lag;
        const int window = std::min({longest_, Length() - from, Length() - other});
        if (other < 0 || window < shortest_) return -2.0;
        return Likeness(from, other, window, stride);
    };
    // A coarse pass over every third lag on every other sample, then every
    // lag near the best: a sixth of the work of the full search.
    int coarse = 0;
    double coarseLikeness = -2.0;
    for (int lag = lowest; lag <= highest; lag += kCoarseStep) {
        const double likeness = likenessAt(lag, 2);
        if (likeness > coarseLikeness) coarse = lag, coarseLikeness = likeness;
    }
    if (coarse == 0) return best;
    best.likeness = -2.0;
    for (int lag = std::max(lowest, coarse - kCoarseStep);
         lag <= std::min(highest, coarse + kCoarseStep); ++lag) {
        const double likeness = likenessAt(lag, 1);
        if (likeness > best.likeness) best = {lag, double(lag), likeness};
    }
    if (best.samples == 0 || best.likeness < -1.0) return SLag{};
    // The peak between whole lags, through the parabola of its neighbours.
    const double a = likenessAt(best.samples - 1, 1), c = likenessAt(best.samples + 1, 1);
    const double b = best.likeness;
    if (a > -2.0 && c > -2.0 && a - 2 * b + c < 0)
        best.exact = best.samples + std::clamp(0.5 * (a - c) / (a - 2 * b + c), -0.5, 0.5);
    return best;
}

double SPatternPeriods::PeriodAt(int from, bool back) const {
    const SLag lag = BestLag(from, back);
    return lag.samples > 0 && lag.likeness > 0.0 ? lag.exact : fallback_;
}

// Normalised correlation of samples [a, a + n) and [b, b + n), taking every
// `stride`th pair.
double SPatternPeriods::Likeness(int a, int b, int n, int stride) const {
    double ab = 0, aa = 0, bb = 0;
    for (int i = 0; i < n; i += stride) {
        const double p = samples_[static_cast<size_t>(a + i)];
        const double q = samples_[static_cast<size_t>(b + i)];
        ab += p * q;
        aa += p * p;
        bb += q * q;
    }
    return aa > 0 && bb > 0 ? ab / std::sqrt(aa * bb) : 0.0;
}
