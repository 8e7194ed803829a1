// Linux: the scratch hive is a copy of the user's hive file in a temporary
// folder, and VOKRANT_CONFIG_DIR points the component at it.
#include <stdlib.h>

#include <filesystem>
#include <system_error>

#include "run_settings.h"

namespace fs = std::filesystem;

SRunSettings::~SRunSettings() {
    if (scratchDir_.empty()) return;
    std::error_code ignored;
    fs::remove_all(scratchDir_, ignored);
}

std::string SRunSettings::MoveToScratchHive(const std::string& userConfigDir) {
    std::string pattern = (fs::temp_directory_path() / "vokrant-run-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        return "cannot create a scratch folder for this run's settings";
    scratchDir_ = pattern;
    // The user's hive comes along so that what the command line leaves
    // alone (regional formats, other values) stays as the user saved it.
    std::error_code ignored;
    fs::copy_file(userConfigDir + "/user.reg", scratchDir_ + "/user.reg", ignored);
    if (setenv("VOKRANT_CONFIG_DIR", scratchDir_.c_str(), 1) != 0)
        return "cannot switch to this run's settings";
    return "";
}
