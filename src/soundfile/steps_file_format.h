// The bare "step" chunk (not a RIFF container): "step", size, the "maxe"
// value, a step count N, then the step bytes. A byte of 255 adds 255 and
// continues the step; a byte below 255 adds its value and ends it. It keeps
// only the knot layout of a pattern (segment starts and lengths).
#pragma once

#include "soundfile/snd_file_format.h"

class SStepsFileFormat : public SRiffFileFormat {
public:
    // Longest step the writer puts in one byte; longer segments are split.
    static constexpr int kWrittenStep = 30;

    explicit SStepsFileFormat(SBinaryFile* file) : SRiffFileFormat(kFormatSteps, file) {}

    bool Probe() override { return IsForm("step"); }
    // Reads the chunk at offset: "maxe" into the pattern and N segments
    // {running start, the step's length, zero coefficients}.
    void ReadPattern(SAlofonPatt& pattern, int64_t offset) override;
    // Writes the pattern's segment lengths as steps of at most 30 samples.
    void WritePattern(const SAlofonPatt* pattern) override;
};
