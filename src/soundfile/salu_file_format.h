// The "SALU" voice database: "fmt ", "VER " (1, 6, 1, 8), then per allophone
// a 12-byte "info", a "data" chunk holding a complete mu-law ".snd" file of
// the recording, and a "stps" chunk holding its "step" chunk. Loading fits a
// spline through the decoded recording at the step boundaries; the file is
// compact but lossy (mu-law, and the curve only passes through the knots).
#pragma once

#include "soundfile/snd_file_format.h"

class SAluFileFormat : public SRiffFileFormat {
public:
    explicit SAluFileFormat(SBinaryFile* file) : SRiffFileFormat(kFormatAlu, file) {}

    bool Probe() override { return IsForm("SALU"); }
    void LoadPatterns(SAlfPattArr& store) override;
    // Empties the pattern's segments and walks to the end without using what
    // it meets: single patterns are not read from this layout.
    void ReadPattern(SAlofonPatt& pattern, int64_t offset) override;

    // Writes every saved pattern of the store (ids 1 .. the inventory's last
    // id with a pattern and an inventory name): its samples from first to
    // end as mu-law at the rate of id 1, and its knot layout as steps.
    void WriteDatabase(const SAlfPattArr& store);
};
