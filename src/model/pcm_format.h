// Sample-format records shared by the sound files, the voice databases and
// the patterns: the 16-byte PCM format record as stored in a "fmt " chunk, the
// four-word format descriptor used when writing, and the version record of a
// "VER " chunk. All integers are little-endian on disk and in memory.
#pragma once

#include <cstdint>
#include <cstring>

// The standard PCM format record: 16 bytes, field for field as on disk.
struct SPcmFormat {
    uint16_t formatTag = 0;  // 1 = PCM, 7 = mu-law
    uint16_t channels = 0;
    uint32_t samplesPerSec = 0;  // Hz
    uint32_t avgBytesPerSec = 0;
    uint16_t blockAlign = 0;  // bytes per sample frame
    uint16_t bitsPerSample = 0;

    bool operator==(const SPcmFormat&) const = default;
};
static_assert(sizeof(SPcmFormat) == 16, "the format record is copied byte for byte");

// Which format class a file object is; also the first word of SSndFormat.
enum SSndFormatId : int32_t {
    kFormatWav = 1,
    kFormatAlof = 2,
    kFormatSplWav = 3,
    kFormatSplAls = 4,
    kFormatNeXT = 5,
    kFormatSteps = 100,
    kFormatAlu = 101,
};

enum SSndCompression : int32_t {
    kCompressionNone = 0,  // taken as PCM
    kCompressionPcm = 1,
    kCompressionDviAdpcm = 2,
    kCompressionMsAdpcm = 3,
    kCompressionPcmAlias = 4,  // taken as PCM
    kCompressionULaw8 = 10,
    kCompressionALaw8 = 11,
    kCompressionLinear8 = 12,
    kCompressionLinear16 = 13,
    kCompressionExtensible = 65534,  // taken as PCM
};

enum SSampleType : int32_t {
    kSampleU8 = 0,
    kSampleS8 = 1,
    kSampleU16 = 2,
    kSampleS16 = 3,  // the engine's own samples
    kSampleU16Swapped = 4,
    kSampleS16Swapped = 5,
    kSampleFloatUnsigned = 6,
    kSampleFloatSigned = 7,
};

// Bytes one sample of the given type takes in a file.
constexpr int BytesPerSample(int32_t sampleType) {
    if (sampleType == kSampleU8 || sampleType == kSampleS8) return 1;
    if (sampleType == kSampleFloatUnsigned || sampleType == kSampleFloatSigned) return 4;
    return 2;
}

// Container, compression, sample type and rate of samples being written.
struct SSndFormat {
    int32_t fileType = kFormatWav;
    int32_t compression = kCompressionPcm;
    int32_t sampleType = kSampleS16;
    int32_t sampleRate = 22050;  // Hz

    bool operator==(const SSndFormat&) const = default;
};

// The payload of a "VER " chunk: four numbers and an unterminated date text.
// Two versions are equal when their numbers are; the text is never compared.
struct SVersion {
    uint16_t numbers[4] = {0, 0, 0, 0};
    char date[8] = {'0', '0', '/', '0', '0', '/', '0', '0'};

    SVersion() = default;
    SVersion(uint16_t a, uint16_t b, uint16_t c, uint16_t d, const char (&text)[9])
        : numbers{a, b, c, d} {
        std::memcpy(date, text, sizeof date);
    }
    bool operator==(const SVersion& other) const {
        return std::memcmp(numbers, other.numbers, sizeof numbers) == 0;
    }
};
static_assert(sizeof(SVersion) == 16, "the version record is copied byte for byte");
