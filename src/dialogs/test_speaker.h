// Where the sheet's "&Testuj" buttons send their text. Under a mode object
// this is the mode's text-to-speech interface (tagged text, with a buffer
// notification sink); a desktop program without one speaks through an engine
// of its own (SEngineTestSpeaker).
#pragma once

#include <string>

class STestSpeaker {
public:
    virtual ~STestSpeaker() = default;
    // Speaks `text` (Windows-1250, may carry control tags) with the settings
    // as they are now. False when nothing could be spoken.
    virtual bool Speak(const std::string& text) = 0;
    // Why the last Speak failed (UTF-8, Polish), when the speaker knows.
    virtual std::string Failure() const { return {}; }
};
