// Reading plain samples at fractional positions, as a pattern's curve is
// read. A context recording is kept as its samples and their slopes (4 bytes
// a sample) rather than as a fitted curve (some 38 bytes a sample with its
// reading table), and is read through piecewise Hermite cubics with the
// slopes the interpolating spline has at each sample, taken from a short
// window around it. Whole positions give the samples themselves; between
// them the curve is that of the spline fit to within rounding.
#pragma once

#include <cstdint>
#include <vector>

#include "model/fixed_point.h"
#include "model/spline_read.h"

// The slopes a curve through samples[0..n-1] is read with, halved and
// rounded to fit 16 bits: n + 1 of them, the last that of the first sample.
// Like a closed pattern, the curve after the last sample runs back to the
// first, and the slopes near either end look across it.
std::vector<int16_t> SampleCurveSlopes(const int16_t* samples, int n);

// out[i] := the curve through samples[0..n-1] (with their slopes, as
// SampleCurveSlopes gives them) at positions[i], 16.16 samples from the
// first. Positions outside 0 .. n are clamped to it; no samples give
// silence. Every path gives the same samples; kAvx2 reads eight positions
// at a time where the processor has it, the others one by one.
void ReadSampleCurve(SSplinePath path, const int16_t* samples, const int16_t* slopes, int n,
                     const SFP* positions, int count, int16_t* out);

// The vector reader: reads as ReadSampleCurve does and returns how many
// leading positions it read; the caller reads the rest.
int ReadSampleCurveAvx2(const int16_t* samples, const int16_t* slopes, int n, const SFP* positions,
                        int count, int16_t* out);
