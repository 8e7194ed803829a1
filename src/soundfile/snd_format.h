// The sample format descriptor shared by sound files, codecs and the output
// wave: four 32-bit fields, 16 bytes, in this order.
#pragma once

#include <cstdint>

struct SSndFormat {
    int32_t fileType = 1;       // container format id: 1 wave file, 5 ".snd" file
    int32_t compression = 1;    // compression code: 1 plain PCM
    int32_t sampleType = 3;     // sample type code: 3 signed 16-bit
    int32_t sampleRate = 22050; // samples per second

    bool operator==(const SSndFormat&) const = default;
};
static_assert(sizeof(SSndFormat) == 16, "SSndFormat is a 16-byte record");
