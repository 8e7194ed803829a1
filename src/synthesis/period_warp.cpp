#include "synthesis/period_warp.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// The head of a recording's period read at the natural step: the pulse and
// the loudest part of the formants' ringing. A quarter measured best against
// the reference (data/VOICE.md); a half keeps more of the ringing but bends
// the wave more sharply where the tail's step takes over.
constexpr double kHeadShare = 0.25;
// At most this share of an output period reads the head at the natural
// step, so that a high factor still leaves room to reach the next mark.
constexpr double kLongestHead = 0.75;

// One output period over the recording's period [start, next mark).
struct SOutputPeriod {
    int mark = 0;           // index of its starting mark
    double begins = 0.0;    // output sample where it starts (may be fractional)
    double lasts = 0.0;     // output samples
    double head = 0.0;      // recording samples read at the natural step
    double tailStep = 0.0;  // step the rest of the recording's period is read at
};

SOutputPeriod Shape(const std::vector<int32_t>& marks, int mark, double begins, double step,
                    double factor) {
    SOutputPeriod p;
    p.mark = mark;
    p.begins = begins;
    const double period = marks[static_cast<size_t>(mark) + 1] - marks[static_cast<size_t>(mark)];
    p.lasts = period / (step * factor);
    p.head = std::min(period * kHeadShare, kLongestHead * p.lasts * step);
    p.tailStep = (period - p.head) / (p.lasts - p.head / step);
    return p;
}

// A position (samples) kept inside 0..last, as 16.16.
SFP AtSample(double position, double last) {
    return SFP::FromRaw(static_cast<int32_t>(std::clamp(position, 0.0, last) * SFP::kOne));
}

// The first output sample at or after the output time t (at least `from`).
int FirstFrom(double t, int from, int count) {
    return static_cast<int>(std::clamp(std::ceil(t), double(from), double(count)));
}

// p[from..to) := position, position + step, ...; returns `to`. A line that
// stays inside the recording is filled by whole 16.16 steps.
int FillLine(SFP* p, int from, int to, double position, double step, double last) {
    if (to <= from) return from;
    if (position < 0 || position + step * (to - from) > last) {
        for (int n = from; n < to; ++n) p[n] = AtSample(position + (n - from) * step, last);
        return to;
    }
    int64_t raw = std::llround(position * SFP::kOne);
    const int64_t increment = std::llround(step * SFP::kOne);
    for (int n = from; n < to; ++n, raw += increment)
        p[n] = SFP::FromRaw(static_cast<int32_t>(raw));
    return to;
}

// Fills the output samples of one period from n on; returns the first
// sample after it (or count).
int FillPeriod(SFP* p, int n, int count, const std::vector<int32_t>& marks,
               const SOutputPeriod& period, double step, double last) {
    const double start = marks[static_cast<size_t>(period.mark)];
    const double headEnds = period.begins + period.head / step;
    n = FillLine(p, n, FirstFrom(headEnds, n, count), start + (n - period.begins) * step, step,
                 last);
    return FillLine(p, n, FirstFrom(period.begins + period.lasts, n, count),
                    start + period.head + (n - headEnds) * period.tailStep, period.tailStep, last);
}

// The mark at or after which a period may start (one back, the next, or
// one ahead of `next`) nearest to the natural reading `natural`; `next`
// itself when no period follows the others.
int NearestMark(const std::vector<int32_t>& marks, int next, double natural) {
    const int periods = static_cast<int>(marks.size()) - 1;
    int best = next;
    for (int candidate : {next - 1, next + 1}) {
        if (candidate < 0 || candidate >= periods) continue;
        if (std::abs(marks[static_cast<size_t>(candidate)] - natural) <
            std::abs(marks[static_cast<size_t>(best)] - natural))
            best = candidate;
    }
    return best;
}

}  // namespace

void WarpPeriods(const std::vector<int32_t>& marks, int length, SFP step, double from, double to,
                 SFastArray<SFP>& positions) {
    const int count = positions.GetSize();
    const double s = step.ToReal();
    if (count == 0 || marks.size() < 2 || length <= 0 || s <= 0) return;
    from = std::clamp(from, kLowestWarpFactor, kHighestWarpFactor);
    to = std::clamp(to, kLowestWarpFactor, kHighestWarpFactor);
    if (from == 1.0 && to == 1.0) return;
    auto factorAt = [&](int n) { return count > 1 ? from + (to - from) * n / (count - 1) : from; };
    // Positions are 16.16 values in an int32: a pattern cannot be read past it.
    const double last = std::min(length - 1.0, double(INT32_MAX) / SFP::kOne);
    SFP* p = positions.GetData();
    const int periods = static_cast<int>(marks.size()) - 1;

    // Natural reading up to the first mark.
    int n = 0;
    while (n < count && p[n].ToReal() < marks[0]) ++n;
    if (n == count) return;
    const double reached = p[n].ToReal();
    int mark =
        static_cast<int>(std::upper_bound(marks.begin(), marks.end(), reached) - marks.begin()) - 1;
    if (mark >= periods) return;
    // Continue from where the natural reading is inside that period.
    SOutputPeriod period =
        Shape(marks, mark, n - (reached - marks[static_cast<size_t>(mark)]) / s, s, factorAt(n));
    for (;;) {
        n = FillPeriod(p, n, count, marks, period, s, last);
        if (n >= count) return;
        const double begins = period.begins + period.lasts;
        const int next = NearestMark(marks, period.mark + 1, p[n].ToReal());
        if (next >= periods) {
            // Past the last period: natural again, shifted to meet the last mark.
            const double shift =
                marks[static_cast<size_t>(next)] + (n - begins) * s - p[n].ToReal();
            for (; n < count; ++n) p[n] = AtSample(p[n].ToReal() + shift, last);
            return;
        }
        period = Shape(marks, next, begins, s, factorAt(n));
    }
}
