#include "soundfile/next_file_format.h"

#include <cstring>
#include <vector>

#include "core/exceptions.h"
#include "model/wave.h"
#include "soundfile/byte_order.h"
#include "soundfile/sound_messages.h"

namespace {

constexpr uint32_t kEncodingULaw8 = 1;
constexpr uint32_t kEncodingLinear8 = 2;
constexpr uint32_t kEncodingLinear16 = 3;

// The header's words in host order.
struct SNeXTHeader {
    char magic[4];
    uint32_t dataOffset;
    uint32_t dataSize;
    uint32_t encoding;
    uint32_t sampleRate;
    uint32_t channels;
};

SNeXTHeader DecodeHeader(const unsigned char* bytes) {
    SNeXTHeader header;
    std::memcpy(header.magic, bytes, 4);
    header.dataOffset = LoadBE32(bytes + 4);
    header.dataSize = LoadBE32(bytes + 8);
    header.encoding = LoadBE32(bytes + 12);
    header.sampleRate = LoadBE32(bytes + 16);
    header.channels = LoadBE32(bytes + 20);
    return header;
}

}  // namespace

bool SNeXTFileFormat::Probe() {
    Seek(0);
    unsigned char bytes[kHeaderSize];
    if (file_->Read(bytes, kHeaderSize) != kHeaderSize) return false;
    SNeXTHeader header = DecodeHeader(bytes);
    return IsFourCC(header.magic, ".snd") && header.channels == 1 &&
           header.encoding >= kEncodingULaw8 && header.encoding <= kEncodingLinear16;
}

void SNeXTFileFormat::ReadSound(SWave& wave, int64_t offset) {
    Seek(offset);
    unsigned char bytes[kHeaderSize];
    ReadExact(bytes, kHeaderSize);
    SNeXTHeader header = DecodeHeader(bytes);
    Seek(offset + header.dataOffset);
    // The size is checked against the file before anything is allocated.
    RequireBytes(header.dataSize);
    if (header.dataSize > 0x7FFFFFF0u / 2) ThrowExit(kExitProcessing, kMsgReadError);
    auto size = static_cast<int>(header.dataSize);
    if (header.encoding == kEncodingLinear16) {
        wave.Allocate(size);
        ReadExact(wave.GetData(), size);
        ThrowExit(kExitProcessing, kMsgNoLinear16);
    }
    std::vector<uint8_t> raw(static_cast<size_t>(size));
    ReadExact(raw.data(), size);
    if (header.encoding == kEncodingULaw8) {
        wave.Allocate(2 * size);
        int16_t* samples = wave.Samples();
        for (int i = 0; i < size; ++i) samples[i] = ULawDecode(raw[static_cast<size_t>(i)]);
    } else if (header.encoding == kEncodingLinear8) {
        ThrowExit(kExitProcessing, kMsgNoLinear8);
    } else {
        wave.SetSize(0);
    }
    wave.format = SPcmFormat{1, 1, header.sampleRate, 2 * header.sampleRate, 2, 16};
}

int32_t SNeXTFileFormat::WriteHeader(int32_t sampleCount, const SSndFormat& format) {
    uint32_t encoding;
    auto dataSize = static_cast<uint32_t>(sampleCount);
    switch (format.compression) {
        case kCompressionULaw8:
            encoding = kEncodingULaw8;
            break;
        case kCompressionLinear8:
            encoding = kEncodingLinear8;
            break;
        case kCompressionLinear16:
            encoding = kEncodingLinear16;
            dataSize *= 2;
            break;
        default:
            ThrowExit(kExitProcessing, kMsgBadEncoding);
    }
    unsigned char bytes[kHeaderSize];
    std::memcpy(bytes, ".snd", 4);
    StoreBE32(bytes + 4, kHeaderSize);
    StoreBE32(bytes + 8, dataSize);
    StoreBE32(bytes + 12, encoding);
    StoreBE32(bytes + 16, static_cast<uint32_t>(format.sampleRate));
    StoreBE32(bytes + 20, 1);
    StoreBE32(bytes + 24, 0);
    WriteBytes(bytes, kHeaderSize);
    return static_cast<int32_t>(dataSize);
}

void SNeXTFileFormat::WriteSound(const SWave& wave, const SSndFormat* format) {
    fileFormat_ = format ? *format
                         : SSndFormat{kFormatNeXT, kCompressionULaw8, kSampleS16,
                                      static_cast<int32_t>(wave.format.samplesPerSec)};
    int32_t c = fileFormat_.compression;
    if (c != kCompressionULaw8 && c != kCompressionLinear8 && c != kCompressionLinear16)
        ThrowExit(kExitProcessing, kMsgUnknownCompression);
    int32_t n = wave.SampleCount();
    int32_t size = WriteHeader(n, fileFormat_);
    const int16_t* samples = wave.Samples();
    std::vector<uint8_t> out;
    if (c == kCompressionULaw8) {
        out.resize(static_cast<size_t>(size));
        SCodecULaw8(sourceFormat_, fileFormat_).Encode(samples, n, out.data());
    } else if (c == kCompressionLinear8) {
        // The header promises n bytes: write them (signed 8-bit linear) rather
        // than leave a file that lies about its size.
        out.resize(static_cast<size_t>(n));
        for (int32_t i = 0; i < n; ++i)
            out[static_cast<size_t>(i)] = static_cast<uint8_t>(samples[i] >> 8);
    } else {
        WriteBytes(wave.GetData(), 2 * static_cast<int64_t>(n));
    }
    WriteBytes(out.data(), static_cast<int64_t>(out.size()));
}

void SNeXTFileFormat::SetFormats(const SSndFormat& source, const SSndFormat& file) {
    sourceFormat_ = source;
    fileFormat_ = file;
    codec_.reset();
    converter_.reset();
    if (fileFormat_.sampleType != kSampleS16)
        converter_ = std::make_unique<SSndConvert>(kSampleS16, fileFormat_.sampleType);
    if (fileFormat_.compression == kCompressionNone ||
        fileFormat_.compression == kCompressionExtensible)
        fileFormat_.compression = kCompressionPcm;
    else if (fileFormat_.compression == kCompressionULaw8)
        codec_ = std::make_unique<SCodecULaw8>(sourceFormat_, fileFormat_);
}
