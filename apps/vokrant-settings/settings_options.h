// The command line of vokrant-settings.
#pragma once

#include <string>
#include <vector>

struct SSettingsOptions {
    int startPage = 0;          // 0 General, 1 Dictionary, 2 Conversions, 3 Info
    std::string screenshotDir;  // non-empty: write one PNG per page and exit
    bool help = false;
    bool version = false;
    std::string error;  // non-empty: a usage error
};

// Parses the arguments after the program name.
SSettingsOptions ParseSettingsOptions(const std::vector<std::string>& args);
// The page index for a number 0..3 or a page name; -1 when unknown.
int PageIndexOf(const std::string& name);

extern const char* const kSettingsUsage;
