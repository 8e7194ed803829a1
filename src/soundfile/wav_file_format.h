// RIFF wave files: 8- and 16-bit PCM read through the chunk walk; PCM of any
// sample type and 8-bit mu-law written with a 44- or 46-byte header.
#pragma once

#include "soundfile/snd_file_format.h"

class SWavFileFormat : public SRiffFileFormat {
public:
    explicit SWavFileFormat(SBinaryFile* file, int32_t formatId = kFormatWav)
        : SRiffFileFormat(formatId, file) {}

    bool Probe() override { return IsForm("WAVE"); }
    // Writes header and samples: by default {1, 1, 3, the wave's rate}.
    void WriteSound(const SWave& wave, const SSndFormat* format) override;
    using SRiffFileFormat::WriteSound;
    void SetFormats(const SSndFormat& source, const SSndFormat& file) override;
    // Patches the RIFF and "data" sizes from the file's length.
    void FinishFile() override;
    int32_t WriteHeader(int32_t sampleCount, const SSndFormat& format) override;
};
