#include "run_settings.h"

#include "core/attribute.h"
#include "core/setting_names.h"
#include "platform/file_open.h"
#include "platform/paths.h"
#include "platform/reg_key.h"

bool HoldsVoice(const std::string& dir) {
    return IsRegularFile(dir + "pln_22.als") && IsRegularFile(dir + "pln_11.als");
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
            return "--set: " + error;
        }
        changed = true;
    }
    // Text without --tagged is plain text, whatever ForceTagSensitivity says:
    // a passed-on text must not change speed or volume or open the settings.
    if (!command.tagged && settings.forceTagSensitivity) {
        settings.forceTagSensitivity = false;
        changed = true;
    }
    // A saved WorkDir that no longer holds the voice (the data moved, or it
    // was saved before the voice was installed) falls back to the data
    // directory, unless the user named the directory on the command line.
    if (!HoldsVoice(settings.workDir)) {
        if (!command.voiceDir.empty() || !HoldsVoice(DataDir()))
            return "cannot load the voice from " + settings.workDir + "; use --voice-dir DIR";
        if (settings.extDict == settings.workDir + "client.exp")
            settings.extDict = DataDir() + "client.exp";
        settings.workDir = DataDir();
        changed = true;
    }
    workDir_ = settings.workDir;
    extendedReading_ = settings.extendedReading;
    if (!changed) return "";

    std::string error = MoveToScratchHive(ConfigDir());
    if (!error.empty()) return error;
    SRegKey(SRegKey(SRegRoot::CurrentUser, kSettingsKeyPath), "Global")
        .SetPath("WorkDir", settings.workDir);
    if (!settings.Save()) return "cannot write the settings of this run into " + scratchDir_;
    return "";
}
