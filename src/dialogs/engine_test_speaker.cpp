#include "dialogs/engine_test_speaker.h"

#include "core/attribute.h"
#include "core/audio_dest.h"
#include "core/exceptions.h"
#include "engine/tts_engine.h"
#include "platform/log.h"

namespace {

// Puts the engine's destination back however speaking ends.
class SDestSwap {
public:
    SDestSwap(STtsEngine& engine, SAudioDest* dest)
        : engine_(engine), previous_(engine.GetAudioDest()) {
        engine_.SetAudioDest(dest);
    }
    ~SDestSwap() { engine_.SetAudioDest(previous_); }
    SDestSwap(const SDestSwap&) = delete;
    SDestSwap& operator=(const SDestSwap&) = delete;

private:
    STtsEngine& engine_;
    SAudioDest* previous_;
};

}  // namespace

bool SEngineTestSpeaker::Speak(const std::string& text) {
    if (!engine_.IsLoaded()) {
        LogMessage(
            "syntezator nie jest za\xB3"
            "adowany\n");
        return false;
    }
    SDestSwap swap(engine_, &dest_);
    if (SAttribute* settings = engine_.GetSettings()) settings->taggedText = true;
    try {
        engine_.StartRequest(text);
        for (int step = 0; step < kMaxFullSteps; ++step) {
            if (engine_.SpeakStep() != STtsEngine::kDestinationFull) return true;
            // Nothing plays while we render, so a full destination stays full.
            if (dest_.FreeSpace() < kMinFreeSpace) break;
        }
        LogException(
            "urz\xB9"
            "dzenie d\x9Fwi\xEAkowe nie przyjmuje danych");
        return false;
    } catch (const SException& e) {
        LogException(e.GetMessage());
        return false;
    }
}
