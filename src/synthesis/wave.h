// The output wave: a byte array holding the PCM chunk being sent (signed
// 16-bit little-endian samples), plus two cursors that let a chunk be sent
// across several calls when the audio destination fills up.
#pragma once

#include <cstdint>

#include "engine/bookmark.h"
#include "engine/containers.h"
#include "soundfile/snd_format.h"

class SAudioDest;

class SWave : public SFastArray<char> {
public:
    SWave() = default;

    int32_t sent = 0;      // bytes already handed to the audio destination
    int32_t nextMark = 0;  // index of the next mark of the bookmark buffer to deliver
    SSndFormat format;     // format of the data, when set

    // Drops all content and holds exactly n uninitialised bytes (size = n).
    // Cursors are reset. n <= 0 leaves the wave empty.
    void Allocate(int n);

    // Drops the data: size 0, sent 0, next mark 0.
    void Clear();

    // format := the given one; the data becomes a copy of count 16-bit samples.
    void SetFromSamples(const int16_t* samples, int count, const SSndFormat& format);

    // Each unsigned byte b becomes the 16-bit sample (b - 128) * 256.
    void SetFromSamples8(const uint8_t* samples, int count, const SSndFormat& format);

    // Number of bytes not yet handed to the destination.
    int Unsent() const { return GetSize() - sent; }

    // Sends as much of the unsent bytes as the destination has room for, with
    // the marks of `marks` (null: without marks) delivered exactly between the
    // bytes they belong to. A mark at the very end of what fits waits for the
    // next call. Returns true when the destination is now full (everything it
    // had room for was used), false when the whole rest of the wave went out
    // and room is left. `reserved` is carried through unused.
    bool Send(SAudioDest& dest, const SBookmarkBff* marks, uint32_t reserved = 0);
};
