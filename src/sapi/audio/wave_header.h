// The header of the wave files the file destination writes. A file whose
// data fits 32-bit sizes gets the plain 44-byte RIFF header; a longer one
// becomes RF64: "RF64" in place of "RIFF", 0xFFFFFFFF in the 32-bit sizes,
// and a "ds64" chunk before "fmt " with the true 64-bit sizes (80 bytes in
// all). The data is written behind a plain header and moved back by the
// difference only when a file ends up that long, so every file under 4 GB
// is exactly what a plain writer makes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <vector>

#include "sapi/sapi4.h"

constexpr std::size_t kWaveHeaderBytes = 44;
constexpr std::size_t kRf64HeaderBytes = 80;

// The two sizes a 44-byte wave header states.
struct SWaveHeaderSizes {
    std::uint32_t riff;  // everything after the first 8 bytes
    std::uint32_t data;  // the data chunk
    bool operator==(const SWaveHeaderSizes&) const = default;
};

// The most data bytes a plain wave header can state.
constexpr QWORD kMaxWaveDataBytes = 0xFFFFFFFFull - 36;

// The sizes for `dataBytes` of sound; a stream whose length is unknown (a
// pipe) states 0xFFFFFFFF for both, which players read as "until the end".
// A known length past kMaxWaveDataBytes has no plain sizes: nullopt.
std::optional<SWaveHeaderSizes> WaveHeaderSizes(QWORD dataBytes, bool unknownLength);

// The header for `dataBytes` of sound in `format` (PCM, 16-byte "fmt "): 44
// bytes, or 80 bytes of RF64 when the length is known and too long for them.
std::vector<std::uint8_t> WaveHeaderBytes(const WAVEFORMATEX& format, QWORD dataBytes,
                                          bool unknownLength);

// Moves the `length` bytes at `from` to `from + by` within the stream, last
// block first, through a buffer of `blockBytes`. False on a read or write error.
bool MoveFileBytesForward(std::FILE* stream, std::uint64_t from, std::uint64_t length,
                          std::uint64_t by, std::size_t blockBytes);

// Completes a file holding a 44-byte header followed by `dataBytes` of
// sound: writes the final header, first moving the sound back to make room
// when it becomes RF64. The stream must be open for reading and writing.
bool CompleteWaveHeader(std::FILE* stream, const WAVEFORMATEX& format, QWORD dataBytes);
