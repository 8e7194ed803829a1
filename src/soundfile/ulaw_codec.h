// The sample encoders used when writing sound files, and the 8-bit mu-law
// (G.711, with the zero trap) both ways.
#pragma once

#include <cstdint>

#include "model/pcm_format.h"

// Encodes one signed 16-bit sample; never yields the byte 0.
uint8_t ULawEncode(int16_t sample);
// Decodes one mu-law byte; 255 and 127 both give 0.
int16_t ULawDecode(uint8_t byte);

class SSndCodec {
public:
    SSndCodec(int32_t compression, const SSndFormat& source, const SSndFormat& file)
        : compression_(compression), sourceFormat_(source), fileFormat_(file) {}
    virtual ~SSndCodec() = default;

    // Bytes that Encode produces for the given number of samples.
    virtual int32_t OutputSize(int32_t sampleCount) const = 0;
    virtual void Encode(const int16_t* samples, int32_t sampleCount, uint8_t* out) const = 0;
    // Ends an encoding run; stateless codecs have nothing to do.
    virtual void Finish() {}

    int32_t Compression() const { return compression_; }

protected:
    int32_t compression_;
    SSndFormat sourceFormat_;
    SSndFormat fileFormat_;
};

class SCodecULaw8 : public SSndCodec {
public:
    SCodecULaw8(const SSndFormat& source, const SSndFormat& file)
        : SSndCodec(kCompressionULaw8, source, file) {}

    int32_t OutputSize(int32_t sampleCount) const override { return sampleCount; }
    void Encode(const int16_t* samples, int32_t sampleCount, uint8_t* out) const override;
};
