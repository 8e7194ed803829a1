#include "model/spline_table.h"

#include <cstdlib>

namespace {

constexpr int64_t kInt32Limit = INT32_MAX;

bool Contiguous(const SSplineSegment* segments, int count) {
    if (count <= 0 || segments[0].start != 0) return false;
    for (int k = 1; k < count; ++k)
        if (static_cast<int64_t>(segments[k].start) !=
            static_cast<int64_t>(segments[k - 1].start) + segments[k - 1].length)
            return false;
    return true;
}

}  // namespace

bool FitsInt32Lanes(const SSplineSegment& segment, int offset) {
    // The offset must fit the 15 bits the record keeps for it.
    if (offset < 0 || offset >= SSplineTable::kMaxSamples - 1) return false;
    // With t below w x 65536, |(t x c) >> 16| <= |c| x w: bound each step of
    // the evaluation, giving up as soon as one may leave the int32 range.
    const int64_t w = offset + 1;
    int64_t bound = std::llabs(segment.c3.Raw()) * w + std::llabs(segment.c2.Raw());
    if (bound > kInt32Limit) return false;
    bound = bound * w + std::llabs(segment.c1.Raw());
    if (bound > kInt32Limit) return false;
    return bound * w <= kInt32Limit;
}

SSplineTable::SSplineTable(const SSplineSegments& segments) {
    const SSplineSegment* s = segments.GetData();
    const int count = segments.GetSize();
    if (!Contiguous(s, count)) return;
    int64_t end = static_cast<int64_t>(s[count - 1].start) + s[count - 1].length;
    const int samples = static_cast<int>(end < kMaxSamples ? end : kMaxSamples);
    if (samples <= 0) return;
    entries_.resize(samples);
    decoded_.resize(samples);
    int k = 0;
    for (int n = 0; n < samples; ++n) {
        while (n >= s[k].start + s[k].length) ++k;  // contiguous: ends at a later segment
        const int offset = n - s[k].start;
        SSplineEntry& e = entries_[n];
        const bool exact = FitsInt32Lanes(s[k], offset);
        e.packed = static_cast<int32_t>((exact ? 0u : 0x80000000u) |
                                        (static_cast<uint32_t>(exact ? offset : 0) << 16) |
                                        static_cast<uint16_t>(s[k].c0));
        e.c1 = s[k].c1.Raw();
        e.c2 = s[k].c2.Raw();
        e.c3 = s[k].c3.Raw();
        decoded_[n] = EvaluateSegment(s[k], SFP::FromRaw(n * SFP::kOne));
    }
    source_ = s;
    sourceCount_ = count;
}
