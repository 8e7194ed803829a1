// A test speaker for a sheet without a mode object: the engine renders the
// text whole, and the default wave-out device plays it while the sheet stays
// usable. Without a device it refuses and says why.
#pragma once

#include <string>

#include "dialogs/collecting_audio_dest.h"
#include "dialogs/test_speaker.h"
#include "sapi/audio/windows/wave_out_device.h"

class STtsEngine;

class SWaveOutTestSpeaker : public STestSpeaker {
public:
    explicit SWaveOutTestSpeaker(STtsEngine& engine, unsigned sampleRate = 22050);

    // Stops what is playing, renders `text` and starts playing it.
    bool Speak(const std::string& text) override;
    std::string Failure() const override { return failure_; }

private:
    bool Fail(const char* why, const std::string& detail = {});

    STtsEngine& engine_;
    unsigned sampleRate_;
    SCollectingAudioDest sound_;
    SWaveOutDevice device_;
    std::string failure_;
};
