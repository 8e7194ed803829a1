// Reads one arbitrary settings file (the REGEDIT4 text of a hive) and checks
// the round trip: what parses formats into text that parses again into the
// same hive, so a saved file always loads. A broken promise aborts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/reg_hive.h"

namespace settings_file_exercise {

constexpr std::string_view kRoot = "HKEY_CURRENT_USER";

inline void ExerciseSettingsFile(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    SRegHive first;
    std::string error;
    if (!first.Parse(text, kRoot, &error)) {
        if (error.empty()) std::abort();  // a refusal always says why
        return;
    }
    const std::string formatted = first.Format(kRoot);
    SRegHive second;
    if (!second.Parse(formatted, kRoot, &error)) {
        std::fprintf(stderr, "a formatted hive does not parse: %s\n", error.c_str());
        std::abort();
    }
    if (second.Format(kRoot) != formatted) {
        std::fprintf(stderr, "format -> parse -> format changes the hive\n");
        std::abort();
    }
}

}  // namespace settings_file_exercise
