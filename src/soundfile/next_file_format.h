// ".snd" files: a 28-byte big-endian header (magic ".snd", data offset, data
// size, encoding 1 = mu-law / 2 = linear 8 / 3 = linear 16, rate, channels,
// information) and the samples. Only mono mu-law is read.
#pragma once

#include "soundfile/snd_file_format.h"

class SNeXTFileFormat : public SSndFileFormat {
public:
    static constexpr int kHeaderSize = 28;

    explicit SNeXTFileFormat(SBinaryFile* file) : SSndFileFormat(kFormatNeXT, file) {}

    bool Probe() override;
    bool IsValid() override { return Probe(); }
    int64_t SoundOffset(int /*n*/) override { return 0; }
    int64_t FileLength() override { return file_->GetLength(); }
    void ReadFmt(SPcmFormat& /*out*/, int64_t /*offset*/) override {}
    int32_t SoundLimit(int /*n*/) override { return 0; }
    // Decodes the mu-law samples of the file that begins at offset; the wave
    // becomes 16-bit mono PCM at the header's rate.
    void ReadSound(SWave& wave, int64_t offset) override;
    // Writes by default {5, 10, 3, the wave's rate}: mu-law.
    void WriteSound(const SWave& wave, const SSndFormat* format) override;
    using SSndFileFormat::WriteSound;
    void SetFormats(const SSndFormat& source, const SSndFormat& file) override;
    int32_t WriteHeader(int32_t sampleCount, const SSndFormat& format) override;
};
