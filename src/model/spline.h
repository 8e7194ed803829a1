// A waveform as a chain of cubic segments over the sample axis, and its
// evaluation at fractional positions.
//
// Segments are contiguous and increasing: each starts where the previous one
// ends, the first at sample 0. Over a segment, with t the distance from its
// start in samples, the curve is c0 + t(c1 + t(c2 + t c3)).
#pragma once

#include <cstdint>

#include "core/containers.h"
#include "model/fixed_point.h"

// One segment, stored byte for byte (20 bytes, little-endian) in voice files.
template <typename Coef, typename Sample>
struct SSpxPoly {
    int32_t start;    // first sample covered
    uint16_t length;  // samples covered
    Sample c0;        // value at start
    Coef c1;          // linear coefficient
    Coef c2;          // quadratic coefficient
    Coef c3;          // cubic coefficient
};

using SSplineSegment = SSpxPoly<SFP, int16_t>;
static_assert(sizeof(SSplineSegment) == 20, "segment records are copied raw to and from files");

template <typename Coef, typename Sample>
using SSpxPolyBff = SFastArray<SSpxPoly<Coef, Sample>>;

using SSplineSegments = SSpxPolyBff<SFP, int16_t>;

// The sample at position x (16.16 samples from the pattern's start) of one
// segment. The polynomial is evaluated in fixed point; the result is
// saturated to the int16 range, so an overshoot past full scale clips rather
// than wrapping into a click of the opposite sign.
inline int16_t EvaluateSegment(const SSplineSegment& s, SFP x) {
    // Unsigned multiplies: wrap instead of undefined behaviour on corrupt
    // coefficients; for every representable curve the result is exact.
    auto mul = [](int64_t a, int64_t b) {
        return static_cast<int64_t>(static_cast<uint64_t>(a) * static_cast<uint64_t>(b)) >> 16;
    };
    int64_t t = static_cast<int64_t>(x.Raw()) - (static_cast<int64_t>(s.start) << 16);
    int64_t a = mul(t, s.c3.Raw());
    a = mul(t, a + s.c2.Raw());
    a = mul(t, a + s.c1.Raw());
    int64_t y = ((static_cast<int64_t>(s.c0) << 16) + a) >> 16;
    if (y > INT16_MAX) return INT16_MAX;
    if (y < INT16_MIN) return INT16_MIN;
    return static_cast<int16_t>(y);
}

// The segment index covering x: the last segment whose start is at or
// before x. Positions past the end select the last segment, positions
// before the first the first one. -1 when there are no segments.
int FindSegment(const SSplineSegment* segments, int count, SFP x);

// One position, any order (binary search). 0 when there are no segments.
int16_t Evaluate(const SSplineSegments& segments, SFP x);

// Reads a run of non-decreasing positions, searching forward from the
// segment found for the previous position. A position that goes backwards
// restarts the search, so any order is still read correctly.
class SSplineReader {
public:
    explicit SSplineReader(const SSplineSegments& segments)
        : segments_(segments.GetData()), count_(segments.GetSize()) {}

    int16_t At(SFP x) {
        if (count_ == 0) return 0;
        Seek(x.Raw());
        return EvaluateSegment(segments_[current_], x);
    }

    // out[i] := the sample at positions[i], i = 0 .. count - 1.
    void Read(const SFP* positions, int count, int16_t* out);

    // Starts the forward search at the segment covering x (binary search),
    // so that a read far into a long curve does not walk it from the start.
    // For contiguous segments the samples read are the same either way.
    void StartAt(SFP x) {
        if (count_ == 0) return;
        int64_t raw = x.Raw();
        int next = current_ + 1 < count_ ? current_ + 1 : current_;
        if (raw < (static_cast<int64_t>(segments_[current_].start) << 16) ||
            raw >= EndRaw(segments_[next]))
            current_ = FindSegment(segments_, count_, x);
    }

private:
    void Seek(int64_t raw) {
        if (raw < (static_cast<int64_t>(segments_[current_].start) << 16)) current_ = 0;
        while (current_ + 1 < count_ && raw >= EndRaw(segments_[current_])) ++current_;
    }
    static int64_t EndRaw(const SSplineSegment& s) {
        return (static_cast<int64_t>(s.start) + s.length) << 16;
    }

    const SSplineSegment* segments_;
    int count_;
    int current_ = 0;
};
