// The sound device on Windows: the default wave-out device. A block the
// device reports finished counts as played, so a bookmark is delivered once
// the block holding its byte has been heard. The device is opened paused at
// the claim and runs between Start and Stop.
//
// Notifications are delivered on the host's thread: the host calls
// WaitAndPump() in its loop (or from a timer while a dialog runs its own).
#pragma once

#include <string>

#include "sapi/audio/audio_dest_base.h"
#include "sapi/audio/windows/wave_out_device.h"

class CWaveOutAudioDest final : public CAudioDestBase {
public:
    static constexpr DWORD kDefaultBuffer = 64 * 1024;

    // The device is looked for at the first claim, not here. The new object
    // carries one reference.
    static CWaveOutAudioDest* Create(DWORD bufferSize = kDefaultBuffer);

    // Waits up to `timeoutMs` for a block to finish playing, then delivers
    // what is due. Returns the notifications sent.
    int WaitAndPump(int timeoutMs) override;

    // Why the device could not be opened or written; empty while it plays.
    const std::string& LastError() const { return error_; }
    // Whether a claim has ever opened the device.
    bool WasOpened() const { return opened_; }

private:
    explicit CWaveOutAudioDest(DWORD bufferSize) : CAudioDestBase(bufferSize) {}
    ~CWaveOutAudioDest() override;

    HRESULT OpenDevice() override;
    void CloseDevice() override { device_.Close(); }
    HRESULT WriteDevice(const void* data, DWORD bytes) override;
    QWORD PlayedPosition() override;
    void DiscardUnplayed() override;
    void SetRunning(bool running) override { device_.SetRunning(running); }
    void BeforePump() override { played_ += device_.CollectPlayed(); }

    SWaveOutDevice device_;
    QWORD played_ = 0;  // of the stream's total
    std::string error_;
    bool opened_ = false;
};
