#include "synthesis/pulse_marks.h"

#include <algorithm>
#include <cmath>

#include "synthesis/pattern_periods.h"
#include "synthesis/voice_pitch.h"

namespace {

// How far from the period found a pulse is looked for, as a share of it.
constexpr double kPulseSearch = 0.15;
// Neighbouring periods differ little: after the first, the period is looked
// for within this share of the one before (a third of the full search), and
// only at every few marks; the marks between follow it by their pulses.
constexpr double kPeriodChange = 0.2;
constexpr size_t kMarksPerSearch = 4;

// The period starting at `mark`: the lag after it, or before it where the
// recording ends too soon to look ahead; near `previous` when it is known.
double PeriodFrom(const SPatternPeriods& periods, int mark, double previous) {
    int lowest = periods.Shortest(), highest = periods.Longest();
    if (previous > 0) {
        lowest = static_cast<int>(std::floor(previous * (1 - kPeriodChange)));
        highest = static_cast<int>(std::ceil(previous * (1 + kPeriodChange)));
    }
    for (bool back : {false, true}) {
        const SPatternPeriods::SLag lag = periods.BestLag(mark, back, lowest, highest);
        if (lag.samples > 0 && lag.likeness > 0.0) return lag.exact;
    }
    return previous > 0 ? previous : periods.PeriodAt(mark, true);
}

// The index of the largest sign * x[i] for i in [from, to], to >= from.
int StrongestIn(const std::vector<int16_t>& x, int from, int to, int sign) {
    int best = from;
    for (int i = from + 1; i <= to; ++i)
        if (sign * x[static_cast<size_t>(i)] > sign * x[static_cast<size_t>(best)]) best = i;
    return best;
}

}  // namespace

std::vector<int32_t> FindPulseMarks(const SSounding& recording, int sampleRate) {
    std::vector<int32_t> marks;
    if (sampleRate <= 0 || recording.Silent() || !CarriesPitch(recording.Features())) return marks;
    const SPatternPeriods periods(recording, sampleRate);
    const std::vector<int16_t>& x = periods.Samples();
    const int length = periods.Length();
    if (length < 2 * periods.Longest()) return marks;

    int mark = 0;
    for (int i = 1; i < periods.Longest(); ++i)
        if (std::abs(x[static_cast<size_t>(i)]) > std::abs(x[static_cast<size_t>(mark)])) mark = i;
    const int sign = x[static_cast<size_t>(mark)] < 0 ? -1 : 1;
    double period = 0;
    for (;;) {
        marks.push_back(mark);
        if (marks.size() % kMarksPerSearch == 1) period = PeriodFrom(periods, mark, period);
        const int guess = mark + static_cast<int>(std::lround(period));
        const int reach = static_cast<int>(std::lround(period * kPulseSearch));
        const int from = std::max(mark + 1, guess - reach);
        const int to = std::min(length - 1, guess + reach);
        if (guess >= length || from > to) break;
        mark = StrongestIn(x, from, to, sign);
    }
    return marks;
}

const std::vector<int32_t>& PulseMarksOf(const SSounding& recording, int sampleRate) {
    static const std::vector<int32_t> none;
    const SPulseMarks* kept = recording.PulseMarks();
    if (!kept) return none;
    return kept->Get([&] { return FindPulseMarks(recording, sampleRate); });
}
