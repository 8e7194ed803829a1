// Sample-format descriptors shared by the sound files, the voice and the
// output wave.
#pragma once

#include <cstdint>

// How samples are held in a sound file: four int32 as stored. Default
// {1, 1, 3, 22050}: wave container, PCM, signed 16-bit, 22050 Hz.
struct SSndFormat {
    int32_t fileType = 1;     // format id of the container: 1 wave file, 5 ".snd" file
    int32_t compression = 1;  // 1 PCM, 2 DVI ADPCM, 3 MS ADPCM, 10 mu-law, 11 A-law, 12/13 linear
    int32_t sampleType = 3;   // 0..7; 3 is signed 16-bit, the engine's own samples
    int32_t sampleRate = 22050;  // Hz

    friend bool operator==(const SSndFormat&, const SSndFormat&) = default;
};
static_assert(sizeof(SSndFormat) == 16);

// The standard 16-byte PCM format record, the payload of a "fmt " chunk,
// little-endian on disk. All zero means "no format".
struct SPcmFormat {
    uint16_t formatTag = 0;       // 1 PCM, 7 mu-law
    uint16_t channels = 0;
    uint32_t samplesPerSec = 0;   // Hz
    uint32_t avgBytesPerSec = 0;
    uint16_t blockAlign = 0;      // bytes per sample frame
    uint16_t bitsPerSample = 0;

    friend bool operator==(const SPcmFormat&, const SPcmFormat&) = default;
};
static_assert(sizeof(SPcmFormat) == 16);
