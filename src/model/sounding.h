// What an allophone sounds with: the id's own pattern, read along its
// fitted curve, or one of the voice's context recordings of that id, which
// has the pattern's length and is read from its plain samples. The timing,
// the renderer and the join smoothing read either the same way.
#pragma once

#include <cstdint>
#include <vector>

#include "model/context_sounds.h"
#include "model/fixed_point.h"
#include "model/pattern.h"

class SSounding {
public:
    // Nothing: no samples, no features.
    SSounding() = default;
    // The pattern's own curve; implicit, so that a pattern goes wherever a
    // recording is read.
    SSounding(const SAlofonPatt& pattern) : pattern_(&pattern) {}
    // A context recording standing in for `pattern`, whose header and
    // features it shares.
    SSounding(const SAlofonPatt& pattern, const SContextSound& recorded)
        : pattern_(&pattern), recorded_(&recorded) {}

    bool Exists() const { return pattern_ != nullptr; }
    uint16_t Features() const { return pattern_ ? pattern_->features : 0; }
    // Samples covered: positions run from 0 to this.
    int Length() const;
    // Whether reading gives nothing but silence: no recording, a pause, or
    // a pattern without a curve.
    bool Silent() const;

    // out[i] := the recording at positions[i] (16.16 samples from its start).
    void Read(const SFP* positions, int count, int16_t* out) const;
    // The recording at every whole position 0 .. Length() - 1.
    std::vector<int16_t> WholeSamples() const;
    // The period kept for a smoothed join at its start or end (atEnd).
    const SAlofonPatt::SEdgePeriod& JoinEdge(bool atEnd) const;
    // The pulse marks kept with this recording; nullptr for nothing.
    const SPulseMarks* PulseMarks() const;

private:
    const SAlofonPatt* pattern_ = nullptr;
    const SContextSound* recorded_ = nullptr;
};
