// The wave buffer: signed 16-bit PCM bytes with the format they are in, plus
// the two send cursors of the output wave (bytes already handed to the audio
// destination, index of the next mark to deliver), so that a chunk can be
// sent across several calls when the audio destination fills up.
#pragma once

#include <cstdint>
#include <cstring>

#include "core/bookmark.h"
#include "core/containers.h"
#include "model/pcm_format.h"

class SAudioDest;

class SWave : public SFastArray<char> {
public:
    int32_t sent = 0;      // bytes already sent
    int32_t nextMark = 0;  // index of the next mark to deliver
    SPcmFormat format;     // format of the data, when set

    // Drops all content, then holds exactly `bytes` bytes (zero-filled).
    void Allocate(int bytes) {
        Empty();
        SetSize(bytes);
    }
    // Drops the data and rewinds both cursors.
    void Clear() {
        SetSize(0);
        sent = 0;
        nextMark = 0;
    }
    // Drops the data but keeps the storage for the next chunk, and rewinds
    // both cursors: a fresh buffer per chunk costs an allocation and, for
    // long chunks, a page fault per page.
    void Rewind() {
        Empty();
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

    // Bytes not yet handed to the destination.
    int Unsent() const { return GetSize() - sent; }

    // Sends as many unsent bytes as the destination has room for, with the
    // marks of `marks` (null: without marks) delivered exactly between the
    // bytes they belong to. A mark at the very end of what fits waits for the
    // next call, except that once the whole rest of the wave goes out, marks at
    // (or past) its end follow the last byte instead of being lost with the
    // chunk. Returns true when the destination's free space was used up.
    // `reserved` is carried through unused.
    bool Send(SAudioDest& dest, const SBookmarkBff* marks, uint32_t reserved = 0);
};
