#include "synthesis/spline.h"

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
    for (int i = 0; i < count; ++i) {
        Seek(positions[i].Raw());
        out[i] = EvaluateSegment(segments_[current_], positions[i]);
    }
}
