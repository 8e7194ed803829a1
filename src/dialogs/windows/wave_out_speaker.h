// A test speaker for a sheet without a mode object: the engine renders the
// text whole, and the default wave-out device plays it while the sheet stays
// usable. Without a device it refuses and says why.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <string>

#include "dialogs/collecting_audio_dest.h"
#include "dialogs/test_speaker.h"

class STtsEngine;

class SWaveOutTestSpeaker : public STestSpeaker {
public:
    explicit SWaveOutTestSpeaker(STtsEngine& engine, unsigned sampleRate = 22050);
    ~SWaveOutTestSpeaker() override;
    SWaveOutTestSpeaker(const SWaveOutTestSpeaker&) = delete;
    SWaveOutTestSpeaker& operator=(const SWaveOutTestSpeaker&) = delete;

    // Stops what is playing, renders `text` and starts playing it.
    bool Speak(const std::string& text) override;
    std::string Failure() const override { return failure_; }

private:
    bool Fail(const char* why);
    void Stop();

    STtsEngine& engine_;
    unsigned sampleRate_;
    SCollectingAudioDest sound_;
    HWAVEOUT device_ = nullptr;
    WAVEHDR header_{};
    std::string failure_;
};
