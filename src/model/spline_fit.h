// Fitting a waveform with cubic segments. Both fits are natural cubic
// splines solved in double precision with the Thomas algorithm; they run
// once per pattern, at load.
#pragma once

#include <cstdint>
#include <vector>

#include "model/spline.h"

// One row of the forward elimination of a tridiagonal system.
struct SXYZ {
    double x = 0;  // running right-hand side (d')
    double y = 0;  // running super-diagonal (c')
    double z = 0;  // scale (1 / pivot)
};
using SXYZVector = std::vector<SXYZ>;

// Uniform fit: one segment of length 1 per sample, through every sample.
class SSplinc {
public:
    static constexpr int kMinSamples = 8;

    // Replaces `segments` by n segments fitted to y[0..n-1]. When closed,
    // the last segment runs from the last sample back to the first; when
    // open, it holds the last sample. Fewer than 8 samples leave `segments`
    // empty and return false.
    static bool Fit(const int16_t* y, int n, bool closed, SSplineSegments& segments);
};

// Knot fit: a natural spline through the samples at the segment starts of a
// layout read from a step chunk (start and length of each segment given).
class SSplinx {
public:
    // Sets c0..c3 of every segment from wave samples w[0..n-1]. A knot past
    // the end of the wave takes the last sample (0 for an empty wave). With
    // fewer than two segments, or any segment of length 0, the system is
    // undefined: every segment then holds its start value (c1 = c2 = c3 = 0).
    static void Fit(const int16_t* w, int n, SSplineSegments& segments);

private:
    // Solves the tridiagonal system for the knot curvatures M[0..N-1], with
    // M[0] = M[N-1] = 0.
    static std::vector<double> SolveCurvatures(const std::vector<double>& y,
                                               const SSplineSegments& segments);
};
