// The default wave-out device (winmm), kept apart from the Speech API
// header, whose audio types winmm's header also declares. Each write is
// queued as one block; blocks finish in order.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>

class SWaveOutDevice {
public:
    SWaveOutDevice();
    ~SWaveOutDevice();
    SWaveOutDevice(const SWaveOutDevice&) = delete;
    SWaveOutDevice& operator=(const SWaveOutDevice&) = delete;

    // Whether the system has any wave-out device at all. False with a
    // reason in *error.
    static bool AnyPresent(std::string* error);

    // Opens the device paused, for PCM of this shape. False with a reason
    // in *error; *badFormat tells a refused format from a missing device.
    bool Open(std::uint32_t rate, std::uint16_t channels, std::uint16_t bits, std::string* error,
              bool* badFormat);
    bool IsOpen() const { return device_ != nullptr; }
    void Close();

    // Queues a copy of `bytes`. False with a reason in *error.
    bool Write(const void* data, std::uint32_t bytes, std::string* error);
    // Bytes of the finished blocks since the last call; frees those blocks.
    std::uint64_t CollectPlayed();
    // Stops at once; every queued block counts as finished.
    void Reset();
    void SetRunning(bool running);
    bool HasQueued() const { return !queued_.empty(); }
    // Waits up to `timeoutMs` for a block to finish.
    void WaitForBlock(int timeoutMs);

private:
    struct SBlock;
    void* device_ = nullptr;     // HWAVEOUT
    void* blockDone_ = nullptr;  // event the device signals as blocks finish
    std::deque<std::unique_ptr<SBlock>> queued_;
};
