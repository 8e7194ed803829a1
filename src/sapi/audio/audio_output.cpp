#include "sapi/audio/audio_output.h"

#include "sapi/audio/simulated_audio_dest.h"
#include "sapi/audio/wave_file_audio_dest.h"
#if defined(_WIN32)
#include <chrono>

#include "sapi/audio/wave_out_audio_dest.h"
#elif defined(VOKRANT_HAVE_PULSE)
#include "sapi/audio/pulse_audio_dest.h"
#endif

namespace {

// Rounds without any notification, with nothing left to play, before a host
// gives up on a component that never finishes its text. Whether a sound
// device has stopped is the device's own verdict.
constexpr int kFileIdleRounds = 2000;
constexpr int kDeviceIdleRounds = 200;  // of 50 ms each
constexpr int kDeviceWaitMs = 50;
constexpr DWORD kSimulatedBuffer = 64 * 1024;

std::string NoDeviceMessage(const std::string& reason) {
    return "no sound device" + (reason.empty() ? std::string() : " (" + reason + ")") +
           "; use -o FILE.wav to write a WAV file, or -o - for standard output";
}

// A file or standard output: it fails at its first write error and must be
// finished to put the file in place.
class SFileOutput final : public SAudioOutput {
public:
    SFileOutput(SAudioOutputKind kind, CWaveFileAudioDest* file)
        : SAudioOutput(kind, file, kFileIdleRounds, 0), file_(file) {}

    bool Finish(HRESULT spoken, std::string* error) override {
        if (FAILED(spoken)) {
            *error = file_->LastError().empty() ? "speaking the text failed" : file_->LastError();
            return false;
        }
        if (FAILED(file_->Finish())) return *error = file_->LastError(), false;
        return true;
    }

private:
    bool Failed() override { return !file_->LastError().empty(); }

    CWaveFileAudioDest* file_;
};

#if defined(_WIN32)
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
#elif defined(VOKRANT_HAVE_PULSE)
class SDeviceOutput final : public SAudioOutput {
public:
    explicit SDeviceOutput(CPulseAudioDest* device)
        : SAudioOutput(SAudioOutputKind::kSoundDevice, device, kDeviceIdleRounds, kDeviceWaitMs),
          device_(device) {}

    bool Finish(HRESULT spoken, std::string* error) override {
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
#endif

class SSimulatedOutput final : public SAudioOutput {
public:
    explicit SSimulatedOutput(CAudioDestBase* dest)
        : SAudioOutput(SAudioOutputKind::kSimulated, dest, kFileIdleRounds, 0) {}
};

}  // namespace

SAudioOutput::SAudioOutput(SAudioOutputKind kind, CAudioDestBase* dest, int idleRounds, int waitMs)
    : kind_(kind), dest_(dest), idleRounds_(idleRounds), waitMs_(waitMs) {}

SAudioOutput::~SAudioOutput() {
    dest_->Release();
}

SAudioOutputKind SAudioOutput::KindOf(const std::string& target) {
    if (target.empty()) return SAudioOutputKind::kSoundDevice;
    if (target == "-") return SAudioOutputKind::kStandardOutput;
    return SAudioOutputKind::kWaveFile;
}

std::unique_ptr<SAudioOutput> SAudioOutput::Open(SAudioOutputKind kind, const std::string& path,
                                                 std::string* error) {
    switch (kind) {
        case SAudioOutputKind::kWaveFile:
        case SAudioOutputKind::kStandardOutput: {
            CWaveFileAudioDest* file =
                CWaveFileAudioDest::Create(kind == SAudioOutputKind::kStandardOutput ? "-" : path);
            if (file == nullptr) return *error = "out of memory", nullptr;
            return std::make_unique<SFileOutput>(kind, file);
        }
        case SAudioOutputKind::kSoundDevice: {
#if defined(_WIN32)
            std::string reason;
            if (!SWaveOutDevice::AnyPresent(&reason))
                return *error = NoDeviceMessage(reason), nullptr;
            return std::make_unique<SWaveOutOutput>(CWaveOutAudioDest::Create());
#elif defined(VOKRANT_HAVE_PULSE)
            std::string reason;
            CPulseAudioDest* device = CPulseAudioDest::Create(&reason);
            if (device == nullptr) return *error = NoDeviceMessage(reason), nullptr;
            return std::make_unique<SDeviceOutput>(device);
#else
            return *error = NoDeviceMessage("built without PulseAudio"), nullptr;
#endif
        }
        case SAudioOutputKind::kSimulated: {
            CSimulatedAudioDest* dest = CSimulatedAudioDest::Create(kSimulatedBuffer);
            if (dest == nullptr) return *error = "out of memory", nullptr;
            return std::make_unique<SSimulatedOutput>(dest);
        }
    }
    return *error = "unknown audio output", nullptr;
}

bool SAudioOutput::PumpRound() {
    int sent = dest_->WaitAndPump(waitMs_);
    if (Failed()) return false;
    idle_ = sent > 0 || StillPlaying() ? 0 : idle_ + 1;
    return idle_ < idleRounds_;
}

void SAudioOutput::Drain() {
    while (!dest_->IsIdle() && PumpRound()) {
    }
}

bool SAudioOutput::Finish(HRESULT spoken, std::string* error) {
    if (FAILED(spoken)) return *error = "speaking the text failed", false;
    return true;
}
