// The test speaker of the desktop program: an engine of its own on the
// user's settings, loaded at the first test; the sentence is rendered whole
// and then played on the sound device in the background.
#pragma once

#include <memory>
#include <thread>
#include <vector>

#include "dialogs/collecting_audio_dest.h"
#include "dialogs/test_speaker.h"

class STtsEngine;

class SDesktopSpeaker : public STestSpeaker {
public:
    explicit SDesktopSpeaker(STtsEngine& engine) : engine_(engine) {}
    ~SDesktopSpeaker() override;
    SDesktopSpeaker(const SDesktopSpeaker&) = delete;
    SDesktopSpeaker& operator=(const SDesktopSpeaker&) = delete;

    bool Speak(const std::string& text) override;

private:
    void WaitForPlayback();

    STtsEngine& engine_;
    SCollectingAudioDest dest_;
    std::thread playback_;
};

// Plays 16-bit mono PCM on the default sound device; false when there is none.
bool PlayPcm(const std::vector<unsigned char>& pcm, int sampleRate);
