#include "dialogs/windows/wave_out_speaker.h"

#include "dialogs/engine_test_speaker.h"
#include "platform/log.h"

SWaveOutTestSpeaker::SWaveOutTestSpeaker(STtsEngine& engine, unsigned sampleRate)
    : engine_(engine), sampleRate_(sampleRate) {}

bool SWaveOutTestSpeaker::Fail(const char* why, const std::string& detail) {
    failure_ = why;
    LogMessage("test mowy: %s%s%s\n", why, detail.empty() ? "" : ": ", detail.c_str());
    return false;
}

bool SWaveOutTestSpeaker::Speak(const std::string& text) {
    device_.Reset();
    device_.Close();
    failure_.clear();
    sound_.Clear();
    if (!SEngineTestSpeaker(engine_, sound_).Speak(text)) return Fail("synteza nie powiodła się");
    if (sound_.Bytes().empty()) return true;
    std::string error;
    bool badFormat = false;
    if (!device_.Open(sampleRate_, 1, 16, &error, &badFormat))
        return Fail(badFormat ? "urządzenie dźwiękowe odrzuciło format dźwięku"
                              : "brak urządzenia dźwiękowego",
                    error);
    if (!device_.Write(sound_.Bytes().data(), static_cast<std::uint32_t>(sound_.Bytes().size()),
                       &error)) {
        device_.Close();
        return Fail("urządzenie dźwiękowe odrzuciło dźwięk", error);
    }
    device_.SetRunning(true);
    return true;
}
