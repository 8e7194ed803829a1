#include "sapi/audio/sound_device_output.h"

#ifdef VOKRANT_HAVE_PULSE
#include "sapi/audio/linux/pulse_audio_dest.h"

namespace {

// The server decides whether the device has stopped.
class SDeviceOutput final : public SAudioOutput {
public:
    explicit SDeviceOutput(CPulseAudioDest* device)
        : SAudioOutput(SAudioOutputKind::kSoundDevice, device, kDeviceIdleRounds, kDeviceWaitMs),
          device_(device) {}

    bool Finish(HRESULT spoken, std::string* error) override {
        // Speaking can fail on a lost server before the wait loop has asked
        // why: the server's reason says more than the bare failure.
        if (stall_.empty() && FAILED(spoken)) stall_ = device_->StallReason();
        if (!stall_.empty()) return *error = stall_, false;
        if (FAILED(spoken)) return *error = "speaking the text failed", false;
        return true;
    }

private:
    bool Failed() override {
        stall_ = device_->StallReason();
        return !stall_.empty();
    }
    bool StillPlaying() override { return !device_->IsIdle(); }

    CPulseAudioDest* device_;  // the output's destination
    std::string stall_;        // why the device stopped, once it has
};

}  // namespace
#endif

std::unique_ptr<SAudioOutput> OpenSoundDeviceOutput(std::string* error) {
#ifdef VOKRANT_HAVE_PULSE
    std::string reason;
    CPulseAudioDest* device = CPulseAudioDest::Create(&reason);
    if (device == nullptr) return *error = NoDeviceMessage(reason), nullptr;
    return std::make_unique<SDeviceOutput>(device);
#else
    return *error = NoDeviceMessage("built without PulseAudio"), nullptr;
#endif
}
