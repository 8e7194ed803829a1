// Converts samples from the engine's type (signed 16-bit) or unsigned 8-bit
// to any of the eight sample types a file may store. Swapped 16-bit types are
// written high byte first; the float types carry the 16-bit-scale values.
#pragma once

#include <cstdint>

#include "model/pcm_format.h"

class SSndConvert {
public:
    SSndConvert(int32_t sourceType, int32_t destinationType)
        : sourceType_(sourceType), destinationType_(destinationType) {}
    virtual ~SSndConvert() = default;

    virtual int32_t Flush() { return 0; }
    // Converts count samples (int16 for source type 3, bytes for type 0) into
    // out, which must hold count * BytesPerSample(destination) bytes. Other
    // source types write nothing.
    virtual void Convert(const void* samples, int32_t count, uint8_t* out) const;

    int32_t SourceType() const { return sourceType_; }
    int32_t DestinationType() const { return destinationType_; }

private:
    int32_t sourceType_;
    int32_t destinationType_;
};
