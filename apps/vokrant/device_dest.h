// The default sound device as an audio destination (PulseAudio, which
// PipeWire also serves). Built only when libpulse-simple is present; else
// opening always fails with a message that says how to write a file instead.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "engine/audio_dest.h"

class SDeviceDest : public SAudioDest {
public:
    using SMarkSink = std::function<void(uint32_t mark, uint64_t bytePosition)>;

    SDeviceDest();
    ~SDeviceDest() override;

    // Connects to the default device for 16-bit mono at `sampleRate`.
    bool Open(uint32_t sampleRate, std::string& error);
    void SetMarkSink(SMarkSink sink) { markSink_ = std::move(sink); }

    uint32_t FreeSpace() override;
    // Blocks until the device has taken the bytes.
    bool DataSet(const void* data, uint32_t bytes) override;
    bool BookMark(uint32_t mark) override;
    // Waits until everything given has been played.
    bool Drain(std::string& error);

private:
    struct SImpl;
    std::unique_ptr<SImpl> impl_;
    uint64_t bytes_ = 0;
    SMarkSink markSink_;
};
