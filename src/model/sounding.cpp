#include "model/sounding.h"

#include <algorithm>

#include "model/sample_curve.h"
#include "model/spline_read.h"
#include "model/spline_table.h"

int SSounding::Length() const {
    if (recorded_) return static_cast<int>(recorded_->samples.size());
    return pattern_ ? std::max(0, pattern_->end - pattern_->first) : 0;
}

bool SSounding::Silent() const {
    if (!pattern_ || (pattern_->features & AF_PAUSE)) return true;
    return recorded_ ? recorded_->samples.empty() : pattern_->GetSize() == 0;
}

void SSounding::Read(const SFP* positions, int count, int16_t* out) const {
    if (recorded_) {
        ReadSampleCurve(FastestSplinePath(), recorded_->samples.data(), recorded_->slopes.data(),
                        static_cast<int>(recorded_->samples.size()), positions, count, out);
    } else if (pattern_) {
        ReadSpline(FastestSplinePath(), *pattern_, &pattern_->readTable, positions, count, out);
    } else {
        std::fill(out, out + std::max(count, 0), int16_t{0});
    }
}

std::vector<int16_t> SSounding::WholeSamples() const {
    if (recorded_) return recorded_->samples;
    const int length = Length();
    if (length == 0) return {};
    // A prepared pattern already holds its curve at every whole position.
    const SSplineTable& table = pattern_->readTable;
    if (pattern_->first == 0 && table.Describes(*pattern_) && table.Samples() >= length)
        return std::vector<int16_t>(table.Decoded(), table.Decoded() + length);
    std::vector<SFP> at(static_cast<size_t>(length));
    for (int i = 0; i < length; ++i) at[static_cast<size_t>(i)] = SFP::FromInt(i);
    std::vector<int16_t> samples(static_cast<size_t>(length), 0);
    if (pattern_->GetSize() > 0) Read(at.data(), length, samples.data());
    return samples;
}

const SAlofonPatt::SEdgePeriod& SSounding::JoinEdge(bool atEnd) const {
    static const SAlofonPatt::SEdgePeriod none;
    const int side = atEnd ? 1 : 0;
    if (recorded_) return recorded_->joinEdges[side];
    return pattern_ ? pattern_->joinEdges[side] : none;
}

const SPulseMarks* SSounding::PulseMarks() const {
    if (recorded_) return &recorded_->pulseMarks;
    return pattern_ ? &pattern_->pulseMarks : nullptr;
}
