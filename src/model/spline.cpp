#include "model/spline.h"

int FindSegment(const SSplineSegment* segments, int count, SFP x) {
    if (count <= 0) return -1;
    int64_t raw = x.Raw();
    // Last segment whose start is at or before x; segments are increasing.
    int low = 0, high = count - 1;
    while (low < high) {
        int middle = low + (high - low + 1) / 2;
        if ((static_cast<int64_t>(segments[middle].start) << 16) <= raw)
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

int16_t Evaluate(const SSplineSegments& segments, SFP x) {
    int index = FindSegment(segments.GetData(), segments.GetSize(), x);
    return index < 0 ? 0 : EvaluateSegment(segments[index], x);
}

void SSplineReader::Read(const SFP* positions, int count, int16_t* out) {
    if (count_ == 0) {
        for (int i = 0; i < count; ++i) out[i] = 0;
        return;
    }
    // The covering segment's bounds stay in registers; only a position
    // outside them touches the segment list.
    int current = current_;
    int64_t segmentStart = static_cast<int64_t>(segments_[current].start) << 16;
    int64_t segmentEnd = EndRaw(segments_[current]);
    for (int i = 0; i < count; ++i) {
        int64_t raw = positions[i].Raw();
        if (raw >= segmentEnd || raw < segmentStart) [[unlikely]] {
            current_ = current;
            Seek(raw);
            current = current_;
            segmentStart = static_cast<int64_t>(segments_[current].start) << 16;
            // The last segment also takes every position past its end.
            segmentEnd = current + 1 < count_ ? EndRaw(segments_[current]) : INT64_MAX;
            if (current == 0) segmentStart = INT64_MIN;
        }
        out[i] = EvaluateSegment(segments_[current], positions[i]);
    }
    current_ = current;
}
