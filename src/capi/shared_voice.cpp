#include "capi/shared_voice.h"

#include <array>
#include <filesystem>
#include <optional>

#include "platform/codepage.h"
#include "platform/log.h"
#include "platform/paths.h"

namespace {

constexpr int kFirstPausePattern = 106, kLastPausePattern = 109;

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

bool HoldsVoiceFiles(const std::string& dir) {
    std::error_code error;
    return std::filesystem::is_regular_file(dir + "pln_22.als", error) &&
           std::filesystem::is_regular_file(dir + "pln_11.als", error);
}

}  // namespace

std::mutex& VoiceMutex() {
    static std::mutex mutex;
    return mutex;
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

void ChooseVoiceDir(SAttribute& settings, const char* voiceDir) {
    if (voiceDir != nullptr && *voiceDir != '\0') {
        settings.workDir = WithTrailingSlash(voiceDir);
        settings.extDict = settings.workDir + "client.exp";
    } else if (!HoldsVoiceFiles(settings.workDir)) {
        settings.workDir = DataDir();
        settings.extDict = settings.workDir + "client.exp";
    }
}

std::string LoadSharedVoice(STtsEngine& engine, const std::string& workDir) {
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

void RefreshPauses(STtsEngine& engine, const SAttribute& settings) {
    static std::optional<std::array<int32_t, 4>> built;
    const std::array<int32_t, 4> wanted = {settings.pauseDoubleLetter, settings.pauseInterWord,
                                           settings.pausePunctuation, settings.pauseInterSentence};
    if (built == wanted) return;
    for (int id = kFirstPausePattern; id <= kLastPausePattern; ++id) engine.RefreshPausePattern(id);
    built = wanted;
}
