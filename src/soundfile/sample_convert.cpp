#include "soundfile/sample_convert.h"

#include <cstring>

namespace {

// The two readings of one source sample that every destination is made from:
// its unsigned and its signed value on the 16-bit scale.
struct SScaledSample {
    int32_t unsigned16;
    int32_t signed16;
    int32_t unsigned8;
    int32_t signed8;
};

SScaledSample FromSigned16(int16_t s) {
    // Both 8-bit forms round toward minus infinity (arithmetic shift).
    return {s + 32768, s, (s + 32768) >> 8, s >> 8};
}

SScaledSample FromUnsigned8(uint8_t u) {
    return {u * 256, (u - 128) * 256, u, u - 128};
}

void StoreSample(const SScaledSample& v, int32_t type, bool fromUnsigned8, uint8_t* out) {
    switch (type) {
        case kSampleU8:
            out[0] = static_cast<uint8_t>(v.unsigned8);
            return;
        case kSampleS8:
            out[0] = static_cast<uint8_t>(v.signed8);
            return;
        case kSampleU16:
        case kSampleS16: {
            auto x = static_cast<uint16_t>(type == kSampleU16 ? v.unsigned16 : v.signed16);
            out[0] = static_cast<uint8_t>(x);
            out[1] = static_cast<uint8_t>(x >> 8);
            return;
        }
        case kSampleU16Swapped:
        case kSampleS16Swapped: {
            auto x = static_cast<uint16_t>(type == kSampleU16Swapped ? v.unsigned16 : v.signed16);
            out[0] = static_cast<uint8_t>(x >> 8);
            out[1] = static_cast<uint8_t>(x);
            return;
        }
        case kSampleFloatUnsigned:
        case kSampleFloatSigned: {
            // From 8-bit the unsigned float keeps u * 256; from 16-bit it is
            // scaled once more, as the 32-bit float range allows.
            float f = type == kSampleFloatSigned ? static_cast<float>(v.signed16)
                      : fromUnsigned8            ? static_cast<float>(v.unsigned16)
                                                 : static_cast<float>(v.unsigned16) * 256.0f;
            std::memcpy(out, &f, 4);
            return;
        }
        default:
            return;
    }
}

}  // namespace

void SSndConvert::Convert(const void* samples, int32_t count, uint8_t* out) const {
    if (sourceType_ != kSampleS16 && sourceType_ != kSampleU8) return;
    int step = BytesPerSample(destinationType_);
    for (int32_t i = 0; i < count; ++i) {
        bool from8 = sourceType_ == kSampleU8;
        SScaledSample v = from8 ? FromUnsigned8(static_cast<const uint8_t*>(samples)[i])
                                : FromSigned16(static_cast<const int16_t*>(samples)[i]);
        StoreSample(v, destinationType_, from8, out + static_cast<size_t>(i) * step);
    }
}
