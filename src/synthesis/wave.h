// The wave buffer: signed 16-bit PCM bytes with the format they are in, plus
// the two send cursors of the output wave (bytes already handed to the audio
// destination, index of the next mark to deliver).
#pragma once

#include <cstdint>

#include "engine/containers.h"
#include "soundfile/pcm_format.h"

class SWave : public SFastArray<char> {
public:
    int32_t sent = 0;      // bytes already sent
    int32_t nextMark = 0;  // index of the next mark to deliver
    SPcmFormat format;     // format of the data, when set

    // Drops all content, then holds exactly `bytes` bytes (zero-filled).
    void Allocate(int bytes) {
        SetSize(0);
        SetSize(bytes);
    }
    // Drops the data and rewinds both cursors.
    void Clear() {
        SetSize(0);
        sent = 0;
        nextMark = 0;
    }
    // format := the given one, then holds a copy of the samples.
    void SetFromSamples(const int16_t* samples, int count, const SPcmFormat& newFormat) {
        format = newFormat;
        Allocate(2 * count);
        if (count > 0) std::memcpy(GetData(), samples, 2 * static_cast<size_t>(count));
    }
    // Each unsigned byte b becomes the signed 16-bit sample (b - 128) * 256.
    void SetFrom8Bit(const unsigned char* bytes, int count) {
        Allocate(2 * count);
        int16_t* out = Samples();
        for (int i = 0; i < count; ++i) out[i] = static_cast<int16_t>((bytes[i] - 128) * 256);
    }

    int SampleCount() const { return GetSize() / 2; }
    int16_t* Samples() { return reinterpret_cast<int16_t*>(GetData()); }
    const int16_t* Samples() const { return reinterpret_cast<const int16_t*>(GetData()); }
};
