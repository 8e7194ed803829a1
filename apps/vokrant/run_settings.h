// The settings one run of vokrant speaks with. The component reads its
// settings from the registry, so a run that changes any of them (--set,
// --voice-dir, or a saved WorkDir that no longer holds the voice) gets a
// private copy of the user's settings (Linux: a hive in a scratch folder
// that VOKRANT_CONFIG_DIR points the component at; Windows: a scratch key
// HKEY_CURRENT_USER is redirected to). The user's own saved settings are
// never written; the scratch copy is removed when the run ends.
#pragma once

#include <string>

#include "options.h"

class SRunSettings {
public:
    SRunSettings() = default;
    SRunSettings(const SRunSettings&) = delete;
    SRunSettings& operator=(const SRunSettings&) = delete;
    ~SRunSettings();

    // Reads the user's settings, applies the command line and, when anything
    // differs from what is saved, moves this process onto a scratch hive that
    // holds the result. Returns "" or a one-line error; *usageError tells a
    // bad --set from a failure of the system.
    std::string Prepare(const SCommandLine& command, bool* usageError);

    // The working directory the voice is read from.
    const std::string& WorkDir() const { return workDir_; }
    // Whether the run reads with the extended reading.
    bool ExtendedReading() const { return extendedReading_; }

private:
    std::string MoveToScratchHive(const std::string& userConfigDir);

    std::string workDir_;
    bool extendedReading_ = true;
    std::string scratchDir_;  // the scratch folder (Linux) or key (Windows)
    int scratchLock_ = -1;    // Linux: the descriptor holding the folder's lock
};

// Whether `dir` (ending in '/') holds both voice databases.
bool HoldsVoice(const std::string& dir);
