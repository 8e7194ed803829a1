#include "capi/speaker.h"

#include <array>
#include <filesystem>
#include <mutex>
#include <new>
#include <optional>

#include "capi/callback_audio_dest.h"
#include "capi/engine_text.h"
#include "core/exceptions.h"
#include "core/setting_names.h"
#include "platform/codepage.h"
#include "platform/log.h"
#include "platform/paths.h"

namespace {

constexpr int kFirstPausePattern = 106, kLastPausePattern = 109;
constexpr int kMaxPauseMs = 10000;

// The voice databases and their pause patterns are shared by every engine in
// the process: loading them and speaking with them is one at a time.
std::mutex& VoiceMutex() {
    static std::mutex mutex;
    return mutex;
}

// The directory the process-wide voice was loaded from ("" before the first load).
std::string& LoadedVoiceDir() {
    static std::string dir;
    return dir;
}

std::string Canonical(const std::string& dir) {
    std::error_code error;
    std::filesystem::path path = std::filesystem::weakly_canonical(dir, error);
    return error ? dir : path.string();
}

std::unique_ptr<SAttribute> LoadSettings(const char* settingsDir) {
    if (settingsDir == nullptr) {
        auto settings = std::make_unique<SAttribute>();
        settings->workDir = DataDir();
        return settings;
    }
    if (*settingsDir == '\0') return std::make_unique<SAttributeSAPI>();
    SConfigDirScope scope(settingsDir);
    return std::make_unique<SAttributeSAPI>();
}

bool HoldsVoiceFiles(const std::string& dir) {
    std::error_code error;
    return std::filesystem::is_regular_file(dir + "pln_22.als", error) &&
           std::filesystem::is_regular_file(dir + "pln_11.als", error);
}

// Chooses the voice directory: the caller's, else the saved one when it holds
// the voice, else the data directory.
void ChooseVoiceDir(SAttribute& settings, const char* voiceDir) {
    if (voiceDir != nullptr && *voiceDir != '\0') {
        settings.workDir = WithTrailingSlash(voiceDir);
        settings.extDict = settings.workDir + "client.exp";
    } else if (!HoldsVoiceFiles(settings.workDir)) {
        settings.workDir = DataDir();
        settings.extDict = settings.workDir + "client.exp";
    }
}

// Loads the engine; "" or why it failed.
std::string LoadEngine(STtsEngine& engine, const std::string& workDir) {
    std::lock_guard<std::mutex> lock(VoiceMutex());
    const std::string wanted = Canonical(workDir);
    if (!LoadedVoiceDir().empty() && LoadedVoiceDir() != wanted)
        return "the voice from " + LoadedVoiceDir() + " is already in use in this process; " +
               workDir + " cannot be loaded beside it";
    if (!HoldsVoiceFiles(workDir)) return "no voice (pln_22.als, pln_11.als) in " + workDir;
    std::string log;
    SLogWriter previous = SetLogWriter([&](const std::string& line) { log += line; });
    const int loaded = engine.Load(0);
    SetLogWriter(previous);
    if (loaded != 0)
        return "cannot load the voice from " + workDir + ": " +
               Cp1250ToUtf8(log.substr(0, log.find('\n')));
    LoadedVoiceDir() = wanted;
    return "";
}

// The shared pause patterns follow the pause settings of the handle that
// speaks; they are rebuilt only when those differ from the last ones built.
void RefreshPauses(STtsEngine& engine, const SAttribute& settings) {
    static std::optional<std::array<int32_t, 4>> built;
    const std::array<int32_t, 4> wanted = {settings.pauseDoubleLetter, settings.pauseInterWord,
                                           settings.pausePunctuation, settings.pauseInterSentence};
    if (built == wanted) return;
    for (int id = kFirstPausePattern; id <= kLastPausePattern; ++id) engine.RefreshPausePattern(id);
    built = wanted;
}

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
    SAttribute& settings = *handle.settings;
    settings.taggedText = (flags & VOKRANT_TEXT_TAGGED) != 0 || settings.forceTagSensitivity;
    RefreshPauses(*handle.engine, settings);

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
    handle->engine = std::make_unique<STtsEngine>(nullptr, handle->settings.get());
    error = LoadEngine(*handle->engine, handle->settings->workDir);
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
    const SEngineText engineText =
        (flags & VOKRANT_TEXT_CP1250) != 0
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
                    "vokrant_set_pause: " + std::to_string(milliseconds) + " ms is outside 0.." +
                        std::to_string(kMaxPauseMs));
    handle.settings.get()->*kPauses[index] = milliseconds;
    return VOKRANT_OK;
}
