#include <windows.h>

#include "speech_host.h"

std::string ModuleBesideProgram() {
    char self[MAX_PATH * 2];
    DWORD length = GetModuleFileNameA(nullptr, self, sizeof self);
    if (length == 0 || length >= sizeof self) return "vokrant.dll";
    std::string path(self, length);
    return path.substr(0, path.find_last_of("\\/") + 1) + "vokrant.dll";
}
