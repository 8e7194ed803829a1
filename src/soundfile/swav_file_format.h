// "SWAV": one pattern per file. "fmt ", "VER " (1, 6, 2, 2), "maxe" (4) and
// "data": a count C and C segment records. The pattern's last record, one
// sample long, is not stored; reading adds it back after record C - 1.
// Writes sounds as a wave file does.
#pragma once

#include "soundfile/wav_file_format.h"

class SSplWavFileFormat : public SWavFileFormat {
public:
    explicit SSplWavFileFormat(SBinaryFile* file) : SWavFileFormat(file, kFormatSplWav) {}

    bool Probe() override { return IsForm("SWAV"); }
    void LoadPatterns(SAlfPattArr& /*store*/) override {}
    // A count of 0 gives an empty pattern (no records, end 0).
    void ReadPattern(SAlofonPatt& pattern, int64_t offset) override;
    // Writes nothing for a null pattern.
    void WritePattern(const SAlofonPatt* pattern) override;
};
