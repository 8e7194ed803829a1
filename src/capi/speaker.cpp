#include "capi/speaker.h"

#include <mutex>
#include <new>

#include "capi/callback_audio_dest.h"
#include "capi/engine_text.h"
#include "capi/shared_voice.h"
#include "core/exceptions.h"
#include "core/setting_names.h"
#include "platform/codepage.h"

namespace {

constexpr int kMaxPauseMs = 10000;

int Fail(vokrant& handle, int status, std::string message) {
    handle.lastError = std::move(message);
    return status;
}

// Clears the handle's speaking state and destination however speaking ends.
class SSpeakingScope {
public:
    SSpeakingScope(vokrant& handle, SAudioDest& dest) : handle_(handle) {
        handle_.speaking = true;
        handle_.engine->SetAudioDest(&dest);
    }
    ~SSpeakingScope() {
        handle_.engine->SetAudioDest(nullptr);
        handle_.speaking = false;
    }
    SSpeakingScope(const SSpeakingScope&) = delete;
    SSpeakingScope& operator=(const SSpeakingScope&) = delete;

private:
    vokrant& handle_;
};

int RunEngine(vokrant& handle, const SEngineText& text, unsigned flags, vokrant_callback callback,
              void* userData) {
    std::lock_guard<std::mutex> lock(VoiceMutex());
    // Text a program merely passes on must not act as tags: only the flag
    // makes a text tagged, whatever ForceTagSensitivity says.
    handle.spoken = *handle.settings;
    handle.spoken.taggedText = (flags & VOKRANT_TEXT_TAGGED) != 0;
    // A dictionary named since the last text is read before this one.
    if (handle.spoken.extDict != handle.loadedExtDict) {
        handle.engine->ReloadDictionary();
        handle.loadedExtDict = handle.spoken.extDict;
    }
    RefreshPauses(*handle.engine, handle.spoken);

    SCallbackAudioDest dest(text, callback, userData, handle.stopRequested);
    SSpeakingScope speaking(handle, dest);
    try {
        handle.engine->StartRequest(text.cp1250);
        while (handle.engine->SpeakStep() == STtsEngine::kDestinationFull && !dest.Stopped()) {
        }
    } catch (const SException& e) {
        return Fail(handle, VOKRANT_ERROR_SPEAK,
                    "cannot speak the text: " + Cp1250ToUtf8(e.GetMessage()));
    }
    if (dest.Stopped()) return VOKRANT_STOPPED;
    dest.Finish();
    return dest.Stopped() ? VOKRANT_STOPPED : VOKRANT_OK;
}

}  // namespace

vokrant* CreateSpeaker(const char* voiceDir, const char* settingsDir, int& status,
                       std::string& error) {
    auto handle = std::make_unique<vokrant>();
    handle->settings = LoadSettings(settingsDir);
    ChooseVoiceDir(*handle->settings, voiceDir);
    handle->spoken = *handle->settings;
    handle->engine = std::make_unique<STtsEngine>(nullptr, &handle->spoken);
    handle->loadedExtDict = handle->spoken.extDict;
    error = LoadSharedVoice(*handle->engine, handle->settings->workDir);
    if (!error.empty()) {
        status = VOKRANT_ERROR_VOICE;
        return nullptr;
    }
    status = VOKRANT_OK;
    return handle.release();
}

int SpeakText(vokrant& handle, std::string_view text, unsigned flags, vokrant_callback callback,
              void* userData) {
    if (callback == nullptr)
        return Fail(handle, VOKRANT_ERROR_ARGUMENT, "vokrant_speak: no callback");
    if ((flags & ~(VOKRANT_TEXT_CP1250 | VOKRANT_TEXT_TAGGED)) != 0)
        return Fail(handle, VOKRANT_ERROR_ARGUMENT,
                    "vokrant_speak: unknown flags " + std::to_string(flags));
    if (handle.speaking)
        return Fail(handle, VOKRANT_ERROR_BUSY, "vokrant_speak: the handle is already speaking");
    if (text.size() > kMaxSpeakBytes)
        return Fail(
            handle, VOKRANT_ERROR_ARGUMENT,
            "vokrant_speak: the text is longer than " + std::to_string(kMaxSpeakBytes) + " bytes");
    handle.stopRequested.store(false);
    const SEngineText engineText = (flags & VOKRANT_TEXT_CP1250) != 0
                                       ? EngineTextFromCp1250(text)
                                       : EngineTextFromUtf8(text, handle.settings->extendedReading);
    if (!engineText.error.empty())
        return Fail(handle, VOKRANT_ERROR_TEXT, "vokrant_speak: " + engineText.error);
    return RunEngine(handle, engineText, flags, callback, userData);
}

int SetByName(vokrant& handle, const char* name, const char* value) {
    if (name == nullptr || value == nullptr)
        return Fail(handle, VOKRANT_ERROR_ARGUMENT, "vokrant_set: null name or value");
    std::string error = ApplySettingOverride(*handle.settings, name, value);
    if (!error.empty()) return Fail(handle, VOKRANT_ERROR_SETTING, "vokrant_set: " + error);
    return VOKRANT_OK;
}

int SetSwitch(vokrant& handle, int which, bool on) {
    static constexpr bool SAttribute::*kSwitches[] = {
        &SAttribute::convertNumber,
        &SAttribute::convertSequence,
        &SAttribute::convertDate,
        &SAttribute::dateBySysFormat,
        &SAttribute::convertTime,
        &SAttribute::colloquialTime,
        &SAttribute::hours24,
        &SAttribute::convertAbbrev,
        &SAttribute::readInterpunction,
        &SAttribute::readSeparators,
        &SAttribute::convertURL,
        &SAttribute::convertSymbol,
        &SAttribute::fluentSpeech,
        &SAttribute::colloquialSpeech,
        &SAttribute::forceTagSensitivity,
        &SAttribute::useExtDict,
        &SAttribute::spellMode,
        &SAttribute::intonation,
    };
    const auto index = static_cast<size_t>(which);
    if (which < 0 || index >= std::size(kSwitches))
        return Fail(handle, VOKRANT_ERROR_ARGUMENT,
                    "vokrant_set_switch: unknown switch " + std::to_string(which));
    handle.settings.get()->*kSwitches[index] = on;
    return VOKRANT_OK;
}

int SetPause(vokrant& handle, int pause, int milliseconds) {
    static constexpr int32_t SAttribute::*kPauses[] = {
        &SAttribute::pauseInterSentence, &SAttribute::pausePunctuation, &SAttribute::pauseInterWord,
        &SAttribute::pauseDoubleLetter};
    const auto index = static_cast<size_t>(pause);
    if (pause < 0 || index >= std::size(kPauses))
        return Fail(handle, VOKRANT_ERROR_ARGUMENT,
                    "vokrant_set_pause: unknown pause " + std::to_string(pause));
    if (milliseconds < 0 || milliseconds > kMaxPauseMs)
        return Fail(handle, VOKRANT_ERROR_ARGUMENT,
                    "vokrant_set_pause: " + OutOfRangeMessage(milliseconds, 0, kMaxPauseMs));
    handle.settings.get()->*kPauses[index] = milliseconds;
    return VOKRANT_OK;
}
