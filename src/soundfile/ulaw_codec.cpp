#include "soundfile/ulaw_codec.h"

#include <bit>

namespace {

constexpr int kULawClip = 32635;
constexpr int kULawBias = 132;
constexpr int kDecodeBias[8] = {0, 132, 396, 924, 1980, 4092, 8316, 16764};

}  // namespace

uint8_t ULawEncode(int16_t sample) {
    int sign = sample < 0 ? 128 : 0;
    int magnitude = sample < 0 ? -static_cast<int>(sample) : sample;
    if (magnitude > kULawClip) magnitude = kULawClip;
    magnitude += kULawBias;
    // Position of the highest set bit of magnitude / 128 (0 for 0 and 1).
    unsigned top = static_cast<unsigned>(magnitude >> 7) & 0xFF;
    int exponent = top <= 1 ? 0 : std::bit_width(top) - 1;
    int mantissa = (magnitude >> (exponent + 3)) & 0x0F;
    auto byte = static_cast<uint8_t>(~(sign | exponent << 4 | mantissa));
    return byte == 0 ? 2 : byte;
}

int16_t ULawDecode(uint8_t byte) {
    int d = ~byte & 0xFF;
    int exponent = (d >> 4) & 7;
    int mantissa = d & 0x0F;
    int magnitude = (mantissa << (exponent + 3)) + kDecodeBias[exponent];
    return static_cast<int16_t>(d & 0x80 ? -magnitude : magnitude);
}

void SCodecULaw8::Encode(const int16_t* samples, int32_t sampleCount, uint8_t* out) const {
    for (int32_t i = 0; i < sampleCount; ++i) out[i] = ULawEncode(samples[i]);
}
