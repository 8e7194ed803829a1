// A pattern's curve laid out for fast reading: one record per whole sample
// position, holding the coefficients of the segment that covers it, and the
// samples the curve gives at whole positions. Built once when a voice has
// loaded; the vector readers and the whole-step copy read nothing else.
#pragma once

#include <cstdint>
#include <vector>

#include "model/spline.h"

// The segment covering sample n, as the vector readers load it: 16 bytes,
// four int32 lanes. `packed` holds c0 in its low 16 bits and n - start in
// bits 16..30; bit 31 marks a record whose arithmetic could leave 32 bits
// (or whose offset does not fit), which only the 64-bit scalar code reads.
struct alignas(16) SSplineEntry {
    int32_t packed;
    int32_t c1;
    int32_t c2;
    int32_t c3;
};
static_assert(sizeof(SSplineEntry) == 16);

class SSplineTable {
public:
    static constexpr int32_t kNeedsScalar = INT32_MIN;  // bit 31 of packed
    // Positions are 16.16 in an int32, so no read reaches past this sample.
    static constexpr int kMaxSamples = 32768;

    // Empty: no sample is covered, every read goes to the scalar code.
    SSplineTable() = default;
    // Covers the segments' samples when they are contiguous from 0 (each
    // starts where the previous ends); otherwise stays empty.
    explicit SSplineTable(const SSplineSegments& segments);

    // Whether the table was built from exactly these segments (their storage
    // and count); a pattern changed since gets read by the scalar code.
    bool Describes(const SSplineSegments& segments) const {
        return !entries_.empty() && source_ == segments.GetData() &&
               sourceCount_ == segments.GetSize();
    }

    // Whole sample positions covered: 0 .. Samples() - 1.
    int Samples() const { return static_cast<int>(entries_.size()); }
    const SSplineEntry* Entries() const { return entries_.data(); }
    // The curve at whole positions: Decoded()[n] == Evaluate(n << 16).
    const int16_t* Decoded() const { return decoded_.data(); }

private:
    std::vector<SSplineEntry> entries_;
    std::vector<int16_t> decoded_;
    const SSplineSegment* source_ = nullptr;
    int sourceCount_ = 0;
};

// Whether 32-bit lanes evaluate `segment` exactly at every position of the
// sample `offset` whole samples past its start: t < (offset + 1) x 65536 keeps
// every product and sum of the evaluation inside the int32 range.
bool FitsInt32Lanes(const SSplineSegment& segment, int offset);
