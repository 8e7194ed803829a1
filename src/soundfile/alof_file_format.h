// The "ALOF" voice database: "VER " (1, 1, 2, 3), "fmt ", and per allophone a
// "data" chunk of 16-bit samples followed by its 12-byte "info" header. It
// keeps the recordings themselves, so writing it from samples is lossless.
#pragma once

#include <cstdint>

#include "soundfile/riff_writer.h"
#include "soundfile/snd_file_format.h"

struct SAlofonHeader;

class SAlofFileFormat : public SRiffFileFormat {
public:
    explicit SAlofFileFormat(SBinaryFile* file) : SRiffFileFormat(kFormatAlof, file) {}

    bool Probe() override { return IsForm("ALOF"); }
    // Offset of the n-th "data" chunk's header; -1 when there is none.
    int64_t SoundOffset(int n) override;
    // Always searches from the start of the file.
    void ReadFmt(SPcmFormat& out, int64_t offset) override;
    // Each "info" makes a pattern from the latest "data" samples: more than
    // 10 bytes are fitted one segment per sample, fewer give an empty pattern.
    void LoadPatterns(SAlfPattArr& store) override;

    // Writes the whole store: each saved pattern rendered to its samples.
    void WriteDatabase(const SAlfPattArr& store);

    // Writing recordings directly, losslessly: BeginDatabase, one
    // WriteRecording per allophone, FinishDatabase.
    void BeginDatabase(const SPcmFormat& format);
    void WriteRecording(const SAlofonHeader& header, const int16_t* samples, int count);
    void FinishDatabase();

private:
    std::unique_ptr<SRiffWriter> writer_;
};
