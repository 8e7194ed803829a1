// Windows: the scratch hive is a key holding a copy of the user's settings,
// and HKEY_CURRENT_USER is redirected to it for this process (the component
// in it included) until the run ends. The key is named after its process
// and that process's start time, so a key whose process is gone (killed, or
// crashed) is recognised and removed by the next run; an interruption from
// the console removes the run's own key on the way out.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/attribute.h"
#include "run_settings.h"

namespace {

constexpr char kScratchParent[] = "Software\\Dravenlab";
constexpr char kScratchPrefix[] = "Vokrant run ";

// The process's start time in 100 ns units; 0 when it cannot be asked.
unsigned long long StartTimeOf(HANDLE process) {
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return 0;
    return (static_cast<unsigned long long>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
}

std::string ScratchKeyName(DWORD processId, unsigned long long startTime) {
    return std::string(kScratchPrefix) + std::to_string(processId) + "-" +
           std::to_string(startTime);
}

// Whether the key's owner still runs. A name of another form, or a process
// that cannot be asked, counts as running: only a provably gone owner's key
// is removed. Keys of earlier versions carry no start time; theirs is gone
// when no process has its number.
bool OwnerRuns(const std::string& name) {
    const std::size_t prefix = sizeof kScratchPrefix - 1;
    unsigned long processId = 0;
    unsigned long long startTime = 0;
    int used = 0;
    if (name.rfind(kScratchPrefix, 0) != 0) return true;
    const char* numbers = name.c_str() + prefix;
    bool timed = std::sscanf(numbers, "%lu-%llu%n", &processId, &startTime, &used) == 2 &&
                 name.size() == prefix + used;
    bool untimed = !timed && std::sscanf(numbers, "%lu%n", &processId, &used) == 1 &&
                   name.size() == prefix + used;
    if (!timed && !untimed) return true;
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (process == nullptr) return GetLastError() != ERROR_INVALID_PARAMETER;  // no such process
    DWORD exitCode = 0;
    bool runs = GetExitCodeProcess(process, &exitCode) && exitCode == STILL_ACTIVE &&
                (!timed || StartTimeOf(process) == startTime);
    CloseHandle(process);
    return runs;
}

void RemoveStaleScratchKeys() {
    HKEY parent = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kScratchParent, 0, KEY_READ | KEY_WRITE, &parent) !=
        ERROR_SUCCESS)
        return;
    std::vector<std::string> stale;
    char name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof name;
        LSTATUS status =
            RegEnumKeyExA(parent, i, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_NO_MORE_ITEMS) break;
        if (status == ERROR_SUCCESS && !OwnerRuns(name)) stale.emplace_back(name, length);
    }
    for (const std::string& key : stale) RegDeleteTreeA(parent, key.c_str());
    for (const std::string& key : stale) RegDeleteKeyA(parent, key.c_str());
    RegCloseKey(parent);
}

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

// The run's key, for the console handler; set before the handler is installed.
std::string g_scratchKey;

void DeleteScratchKey() {
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegDeleteTreeA(HKEY_CURRENT_USER, g_scratchKey.c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, g_scratchKey.c_str());
}

// Runs before the handler that removes the temporary files and ends the
// process (handlers are called last installed first).
BOOL WINAPI DeleteScratchKeyOnInterrupt(DWORD event) {
    if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT || event == CTRL_CLOSE_EVENT)
        DeleteScratchKey();
    return FALSE;
}

}  // namespace

SRunSettings::~SRunSettings() {
    if (scratchDir_.empty()) return;
    SetConsoleCtrlHandler(DeleteScratchKeyOnInterrupt, FALSE);
    DeleteScratchKey();
}

std::string SRunSettings::MoveToScratchHive(const std::string&) {
    RemoveStaleScratchKeys();
    std::string path = std::string(kScratchParent) + "\\" +
                       ScratchKeyName(GetCurrentProcessId(), StartTimeOf(GetCurrentProcess()));
    HKEY scratch = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &scratch, nullptr) != ERROR_SUCCESS)
        return "cannot create a scratch key for this run's settings";
    scratchDir_ = path;
    g_scratchKey = path;
    SetConsoleCtrlHandler(DeleteScratchKeyOnInterrupt, TRUE);
    bool ok =
        CopySettings(scratch) && RegOverridePredefKey(HKEY_CURRENT_USER, scratch) == ERROR_SUCCESS;
    RegCloseKey(scratch);
    return ok ? "" : "cannot switch to this run's settings";
}
