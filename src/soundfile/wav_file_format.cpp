#include "soundfile/wav_file_format.h"

#include "core/exceptions.h"
#include "model/wave.h"
#include "soundfile/byte_order.h"
#include "soundfile/sound_messages.h"

namespace {

constexpr uint16_t kWaveTagPcm = 1;
constexpr uint16_t kWaveTagULaw = 7;

}  // namespace

int32_t SWavFileFormat::WriteHeader(int32_t sampleCount, const SSndFormat& format) {
    uint16_t tag, blockAlign;
    uint32_t recordSize, dataBytes;
    if (format.compression == kCompressionPcm) {
        if (format.sampleType == kSampleFloatUnsigned || format.sampleType == kSampleFloatSigned)
            ThrowExit(kExitProcessing, kMsgPcmDynamics);
        tag = kWaveTagPcm;
        recordSize = 16;
        blockAlign = format.sampleType == kSampleU8 || format.sampleType == kSampleS8 ? 1 : 2;
        dataBytes = static_cast<uint32_t>(sampleCount) * blockAlign;
    } else if (format.compression == kCompressionULaw8) {
        tag = kWaveTagULaw;
        recordSize = 18;
        blockAlign = 1;
        dataBytes = static_cast<uint32_t>(sampleCount);
    } else {
        ThrowExit(kExitProcessing, kMsgCompression);
    }
    WriteBytes("RIFF", 4);
    WriteLE32(recordSize + dataBytes + 20);
    WriteBytes("WAVEfmt ", 8);
    WriteLE32(recordSize);
    WriteLE16(tag);
    WriteLE16(1);
    WriteLE32(static_cast<uint32_t>(format.sampleRate));
    WriteLE32(static_cast<uint32_t>(blockAlign) * static_cast<uint32_t>(format.sampleRate));
    WriteLE16(blockAlign);
    WriteLE16(static_cast<uint16_t>(8 * blockAlign));
    if (recordSize == 18) WriteLE16(0);
    WriteBytes("data", 4);
    WriteLE32(dataBytes);
    return static_cast<int32_t>(dataBytes);
}

void SWavFileFormat::FinishFile() {
    int64_t length = file_->GetLength();
    // The "data" size sits after the format record, whose size varies (16
    // bytes for PCM, 18 for mu-law), so the chunk is found rather than assumed
    // at offset 40.
    int64_t dataSizeAt = -1, dataStart = 0;
    WalkChunks(0, [&](const SChunk& chunk) {
        if (!chunk.Is("data")) return true;
        dataSizeAt = chunk.start + 4;
        dataStart = chunk.PayloadStart();
        return false;
    });
    Seek(4);
    WriteLE32(static_cast<uint32_t>(length - 8));
    if (dataSizeAt >= 0) {
        Seek(dataSizeAt);
        WriteLE32(static_cast<uint32_t>(length - dataStart));
    }
    SeekEnd();
}

void SWavFileFormat::WriteSound(const SWave& wave, const SSndFormat* format) {
    auto rate = static_cast<int32_t>(wave.format.samplesPerSec);
    SSndFormat chosen =
        format ? *format : SSndFormat{kFormatWav, kCompressionPcm, kSampleS16, rate};
    // The encoder must match the header whatever was set up before.
    SetFormats(SSndFormat{kFormatWav, kCompressionPcm, kSampleS16, rate}, chosen);
    WriteHeader(wave.SampleCount(), fileFormat_);
    // The pipeline counts 16-bit input bytes, so it gets the wave's own byte
    // count; the header's data size would halve the samples of 8-bit files.
    WriteSamples(wave.Samples(), 2 * wave.SampleCount());
}

void SWavFileFormat::SetFormats(const SSndFormat& source, const SSndFormat& file) {
    sourceFormat_ = source;
    fileFormat_ = file;
    codec_.reset();
    converter_.reset();
    switch (fileFormat_.compression) {
        case kCompressionNone:
        case kCompressionPcmAlias:
        case kCompressionExtensible:
            fileFormat_.compression = kCompressionPcm;
            break;
        case kCompressionDviAdpcm:
            ThrowExit(kExitProcessing, kMsgNoDviAdpcm);
        case kCompressionMsAdpcm:
            ThrowExit(kExitProcessing, kMsgNoMsAdpcm);
        case kCompressionULaw8:
            codec_ = std::make_unique<SCodecULaw8>(sourceFormat_, fileFormat_);
            break;
        case kCompressionALaw8:
            ThrowExit(kExitProcessing, kMsgNoALaw8);
        default:
            break;
    }
    int32_t c = fileFormat_.compression;
    bool linear = c == kCompressionPcm || c == kCompressionLinear8 || c == kCompressionLinear16;
    if (linear && fileFormat_.sampleType != kSampleS16)
        converter_ = std::make_unique<SSndConvert>(kSampleS16, fileFormat_.sampleType);
}
