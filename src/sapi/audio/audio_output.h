// The audio output a host speaks to, chosen in one place: a WAV file,
// standard output (a WAV stream), the sound device (PulseAudio on Linux,
// the default wave-out device on Windows) or the simulated
// destination. The host runs its loop through the output and never needs
// to know which kind it has.
#pragma once

#include <memory>
#include <string>

#include "sapi/audio/audio_dest_base.h"

enum class SAudioOutputKind { kWaveFile, kStandardOutput, kSoundDevice, kSimulated };

class SAudioOutput {
public:
    virtual ~SAudioOutput();
    SAudioOutput(const SAudioOutput&) = delete;
    SAudioOutput& operator=(const SAudioOutput&) = delete;

    // The output a command-line target names: "" the sound device, "-"
    // standard output, anything else a WAV file at that path (UTF-8).
    static SAudioOutputKind KindOf(const std::string& target);

    // Opens an output; `path` is used by kWaveFile only. Null with a
    // one-line reason in *error when it cannot be opened (no sound device,
    // or a build without one).
    static std::unique_ptr<SAudioOutput> Open(SAudioOutputKind kind, const std::string& path,
                                              std::string* error);

    SAudioOutputKind Kind() const { return kind_; }
    // Borrowed; lives as long as the output (the output holds a reference).
    CAudioDestBase& Dest() const { return *dest_; }

    // One round of the host's loop. False once the output has gone without
    // any notification for too long while it had nothing left to play (the
    // component is stuck), or cannot go on (a file that failed, a device
    // that has stopped).
    bool PumpRound();
    // Pumps until everything written has been played (a device closes once
    // its last bytes are heard), or until PumpRound gives up.
    void Drain();
    // Completes the output after speaking returned `spoken`: a file is
    // finished and put in place. False with a one-line reason.
    virtual bool Finish(HRESULT spoken, std::string* error);

protected:
    SAudioOutput(SAudioOutputKind kind, CAudioDestBase* dest, int idleRounds, int waitMs);

    // Whether the destination has failed for good; a file stops at its first
    // write error, a device when its server says it cannot play on.
    virtual bool Failed() { return false; }
    // Whether the destination still has sound to play: a slow device is
    // waited for rather than counted as silent.
    virtual bool StillPlaying() { return false; }

private:
    SAudioOutputKind kind_;
    CAudioDestBase* dest_;  // one reference, released by the destructor
    int idleRounds_;        // rounds without a notification before the host gives up
    int waitMs_;            // how long one round may wait for playback
    int idle_ = 0;
};
