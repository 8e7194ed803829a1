// The "SALS" voice database: "fmt ", "VER " (1, 6, 2, 2), then per allophone
// a 16-byte "info" (name, id, features, "maxe") and a "data" chunk holding a
// record count and that many 20-byte segment records. The curves are stored
// as they are, so a store written and loaded again is identical.
#pragma once

#include "soundfile/snd_file_format.h"

class SSplAlsFileFormat : public SRiffFileFormat {
public:
    explicit SSplAlsFileFormat(SBinaryFile* file) : SRiffFileFormat(kFormatSplAls, file) {}

    bool Probe() override { return IsForm("SALS"); }
    // Offset of the n-th "data" chunk's header; -1 when there is none.
    int64_t SoundOffset(int n) override;
    // Always searches from the start of the file.
    void ReadFmt(SPcmFormat& out, int64_t offset) override;
    void LoadPatterns(SAlfPattArr& store) override;
    // Single patterns are not kept in this layout: both only log.
    void ReadPattern(SAlofonPatt& pattern, int64_t offset) override;
    void WritePattern(const SAlofonPatt* pattern) override;

    // Writes every saved pattern of the store (ids 1 .. the inventory's last
    // id with a pattern and an inventory name), the format of id 1 first.
    void WriteDatabase(const SAlfPattArr& store);
};
