// An audio destination that streams 16-bit mono PCM into a WAV file chunk by
// chunk. A named file is written under a temporary name in the same folder
// and renamed into place only by Commit, so a failed run leaves no half file;
// standard output gets the header first, with the sizes patched at the end
// when the output can seek and left at their maximum when it cannot (a pipe).
// Marks are collected with their byte positions in the output stream.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

#include "engine/audio_dest.h"

class SWavStreamDest : public SAudioDest {
public:
    // Called for every mark as it is placed, with its byte position.
    using SMarkSink = std::function<void(uint32_t mark, uint64_t bytePosition)>;

    SWavStreamDest() = default;
    SWavStreamDest(const SWavStreamDest&) = delete;
    SWavStreamDest& operator=(const SWavStreamDest&) = delete;
    ~SWavStreamDest() override;

    // Opens the output ("-" = standard output) and writes the header.
    // Returns false with a message in Error() on failure.
    bool Open(const std::string& path, uint32_t sampleRate);
    void SetMarkSink(SMarkSink sink) { markSink_ = std::move(sink); }

    uint32_t FreeSpace() override;
    bool DataSet(const void* data, uint32_t bytes) override;
    bool BookMark(uint32_t mark) override;

    // Patches the sizes, flushes, syncs and renames the temporary file into
    // place. Returns false with a message in Error() on failure.
    bool Commit();
    // Drops a temporary file (called by the destructor when not committed).
    void Abandon();

    bool Failed() const { return !error_.empty(); }
    const std::string& Error() const { return error_; }
    uint64_t DataBytes() const { return dataBytes_; }

private:
    bool WriteHeader(uint32_t dataBytes);
    bool Fail(const std::string& message);

    std::FILE* file_ = nullptr;
    bool toStdout_ = false;
    std::string finalPath_;
    std::string tempPath_;
    uint32_t sampleRate_ = 0;
    uint64_t dataBytes_ = 0;
    std::string error_;
    SMarkSink markSink_;
};
