#include "sapi/audio/sound_device_output.h"

#include <chrono>

#include "sapi/audio/windows/wave_out_audio_dest.h"

namespace {

// The default wave-out device. Its driver gives no verdict of its own on a
// stopped device, so sound that has not moved on for a while counts as one.
class SWaveOutOutput final : public SAudioOutput {
public:
    explicit SWaveOutOutput(CWaveOutAudioDest* device)
        : SAudioOutput(SAudioOutputKind::kSoundDevice, device, kDeviceIdleRounds, kDeviceWaitMs),
          device_(device) {}

    bool Finish(HRESULT spoken, std::string* error) override {
        if (!stall_.empty())
            return *error = device_->WasOpened() ? stall_ : NoDeviceMessage(stall_), false;
        if (FAILED(spoken)) return *error = "speaking the text failed", false;
        return true;
    }

private:
    static constexpr std::chrono::milliseconds kStallLimit{5000};

    bool Failed() override {
        if (stall_.empty()) stall_ = device_->LastError();
        if (stall_.empty() && Stalled()) stall_ = "the sound device stopped playing";
        return !stall_.empty();
    }
    bool StillPlaying() override { return !device_->IsIdle(); }

    // Whether started sound has been waiting to be played for too long.
    bool Stalled() {
        QWORD played = 0;
        device_->PosnGet(&played);
        auto now = std::chrono::steady_clock::now();
        if (played != lastPlayed_ || !device_->IsStarted() || device_->IsIdle()) {
            lastPlayed_ = played;
            movedAt_ = now;
            return false;
        }
        return now - movedAt_ > kStallLimit;
    }

    CWaveOutAudioDest* device_;  // the output's destination
    std::string stall_;          // why the device stopped, once it has
    QWORD lastPlayed_ = 0;
    std::chrono::steady_clock::time_point movedAt_ = std::chrono::steady_clock::now();
};

}  // namespace

std::unique_ptr<SAudioOutput> OpenSoundDeviceOutput(std::string* error) {
    std::string reason;
    if (!SWaveOutDevice::AnyPresent(&reason)) return *error = NoDeviceMessage(reason), nullptr;
    return std::make_unique<SWaveOutOutput>(CWaveOutAudioDest::Create());
}
