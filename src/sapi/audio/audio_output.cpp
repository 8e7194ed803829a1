#include "sapi/audio/audio_output.h"

#include "sapi/audio/simulated_audio_dest.h"
#include "sapi/audio/sound_device_output.h"
#include "sapi/audio/wave_file_audio_dest.h"

namespace {

// Rounds without any notification, with nothing left to play, before a host
// gives up on a component that never finishes its text.
constexpr int kFileIdleRounds = 2000;
constexpr DWORD kSimulatedBuffer = 64 * 1024;

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

class SSimulatedOutput final : public SAudioOutput {
public:
    explicit SSimulatedOutput(CAudioDestBase* dest)
        : SAudioOutput(SAudioOutputKind::kSimulated, dest, kFileIdleRounds, 0) {}
};

}  // namespace

std::string NoDeviceMessage(const std::string& reason) {
    return "no sound device" + (reason.empty() ? std::string() : " (" + reason + ")") +
           "; use -o FILE.wav to write a WAV file, or -o - for standard output";
}

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
        case SAudioOutputKind::kSoundDevice:
            return OpenSoundDeviceOutput(error);
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
