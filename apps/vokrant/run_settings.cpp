#include "run_settings.h"

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "core/attribute.h"
#include "platform/paths.h"
#include "platform/reg_key.h"
#include "settings_override.h"

namespace fs = std::filesystem;

bool HoldsVoice(const std::string& dir) {
    return access((dir + "pln_22.als").c_str(), R_OK) == 0 && access((dir + "pln_11.als").c_str(), R_OK) == 0;
}

SRunSettings::~SRunSettings() {
    if (scratchDir_.empty()) return;
    std::error_code ignored;
    fs::remove_all(scratchDir_, ignored);
}

std::string SRunSettings::Prepare(const SCommandLine& command, bool* usageError) {
    *usageError = false;
    SAttributeSAPI settings(nullptr);
    bool changed = false;
    if (!command.voiceDir.empty()) {
        settings.workDir = WithTrailingSlash(command.voiceDir);
        settings.extDict = settings.workDir + "client.exp";
        changed = true;
    }
    for (const auto& [name, value] : command.settings) {
        std::string error = ApplySettingOverride(settings, name, value);
        if (!error.empty()) {
            *usageError = true;
            return error;
        }
        changed = true;
    }
    // A saved WorkDir that no longer holds the voice (the data moved, or it
    // was saved before the voice was installed) falls back to the data
    // directory, unless the user named the directory on the command line.
    if (!HoldsVoice(settings.workDir)) {
        if (!command.voiceDir.empty() || !HoldsVoice(DataDir()))
            return "cannot load the voice from " + settings.workDir + "; use --voice-dir DIR";
        if (settings.extDict == settings.workDir + "client.exp") settings.extDict = DataDir() + "client.exp";
        settings.workDir = DataDir();
        changed = true;
    }
    workDir_ = settings.workDir;
    if (!changed) return "";

    std::string error = MoveToScratchHive(ConfigDir());
    if (!error.empty()) return error;
    SRegKey(SRegKey(SRegRoot::CurrentUser, kSettingsKeyPath), "Global").SetString("WorkDir", settings.workDir);
    if (!settings.Save()) return "cannot write the settings of this run into " + scratchDir_;
    return "";
}

std::string SRunSettings::MoveToScratchHive(const std::string& userConfigDir) {
    std::string pattern = (fs::temp_directory_path() / "vokrant-run-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) return "cannot create a scratch folder for this run's settings";
    scratchDir_ = pattern;
    // The user's hive comes along so that what the command line leaves
    // alone (regional formats, other values) stays as the user saved it.
    std::error_code ignored;
    fs::copy_file(userConfigDir + "/user.reg", scratchDir_ + "/user.reg", ignored);
    if (setenv("VOKRANT_CONFIG_DIR", scratchDir_.c_str(), 1) != 0) return "cannot switch to this run's settings";
    return "";
}
