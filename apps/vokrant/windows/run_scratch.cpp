// Windows: the scratch hive is a key holding a copy of the user's settings,
// and HKEY_CURRENT_USER is redirected to it for this process (the component
// in it included) until the run ends.
#include <windows.h>

#include "core/attribute.h"
#include "run_settings.h"

namespace {

bool CopySettings(HKEY scratch) {
    HKEY source = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, KEY_READ, &source) != ERROR_SUCCESS)
        return true;
    HKEY target = nullptr;
    bool ok = RegCreateKeyExA(scratch, kSettingsKeyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &target, nullptr) == ERROR_SUCCESS &&
              RegCopyTreeA(source, nullptr, target) == ERROR_SUCCESS;
    if (target != nullptr) RegCloseKey(target);
    RegCloseKey(source);
    return ok;
}

}  // namespace

SRunSettings::~SRunSettings() {
    if (scratchDir_.empty()) return;
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegDeleteTreeA(HKEY_CURRENT_USER, scratchDir_.c_str());
}

std::string SRunSettings::MoveToScratchHive(const std::string&) {
    std::string path = "Software\\Dravenlab\\Vokrant run " + std::to_string(GetCurrentProcessId());
    HKEY scratch = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &scratch, nullptr) != ERROR_SUCCESS)
        return "cannot create a scratch key for this run's settings";
    scratchDir_ = path;
    bool ok =
        CopySettings(scratch) && RegOverridePredefKey(HKEY_CURRENT_USER, scratch) == ERROR_SUCCESS;
    RegCloseKey(scratch);
    return ok ? "" : "cannot switch to this run's settings";
}
