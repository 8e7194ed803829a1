// The pitch periods of a recording, found where they are needed: the lag at
// which the samples after a point best resemble the samples after the point
// one lag earlier (or later). The voice pitch reads a recording at another
// step and jumps by these periods to keep its length; the join smoothing
// reads the edges of two recordings a few periods inwards.
#pragma once

#include <cstdint>
#include <vector>

#include "model/sounding.h"

class SPatternPeriods {
public:
    // Reads the recording's samples at its whole positions (as the renderer
    // would read them at step 1). sampleRate is the recording's rate.
    SPatternPeriods(const SSounding& recording, int sampleRate);

    // Samples of the recording.
    int Length() const { return static_cast<int>(samples_.size()); }
    // The samples read at construction.
    const std::vector<int16_t>& Samples() const { return samples_; }
    // The shortest and longest lag looked for: 400 Hz and 70 Hz.
    int Shortest() const { return shortest_; }
    int Longest() const { return longest_; }

    struct SLag {
        int samples = 0;        // whole samples; 0 when no lag fits inside the recording
        double exact = 0.0;     // the lag between samples where the likeness peaks
        double likeness = 0.0;  // normalised correlation at the whole lag, -1..1
    };
    // The lag (backward from `from` when `back`, else forward) whose samples
    // best resemble those after `from`, over a window of the longest lag.
    SLag BestLag(int from, bool back) const { return BestLag(from, back, shortest_, longest_); }
    // As BestLag, over the lags lowest..highest only (kept inside the
    // shortest and longest lag): a search near a period already known.
    SLag BestLag(int from, bool back, int lowest, int highest) const;
    // BestLag's exact lag, or a 120 Hz period when none fits.
    double PeriodAt(int from, bool back) const;

private:
    double Likeness(int a, int b, int n, int stride) const;

    std::vector<int16_t> samples_;
    int shortest_, longest_, fallback_;
};
