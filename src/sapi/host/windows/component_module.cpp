#include "sapi/host/component_module.h"

#include <windows.h>

namespace {

std::string LastErrorText() {
    char text[256];
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, GetLastError(), 0, text, sizeof text, nullptr);
    while (length > 0 &&
           (text[length - 1] == '\n' || text[length - 1] == '\r' || text[length - 1] == '.'))
        --length;
    return std::string(text, length);
}

bool IsReadableFile(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace

std::string SComponentModule::BesideProgram() {
    char self[MAX_PATH * 2];
    DWORD length = GetModuleFileNameA(nullptr, self, sizeof self);
    if (length == 0 || length >= sizeof self) return "vokrant.dll";
    std::string path(self, length);
    return path.substr(0, path.find_last_of("\\/") + 1) + "vokrant.dll";
}

bool SComponentModule::Load(const std::string& fallbackPath, std::string* error) {
    std::string registered = RegisteredPath();
    // A registration left behind by a removed build must not hide a working one.
    path_ = !registered.empty() && IsReadableFile(registered) ? registered : fallbackPath;
    HMODULE module = LoadLibraryA(path_.c_str());
    if (module == nullptr) {
        *error = "cannot load the speech component " + path_ + ": " + LastErrorText();
        return false;
    }
    handle_ = module;
    getClassObject_ =
        reinterpret_cast<DllGetClassObjectFn>(GetProcAddress(module, "DllGetClassObject"));
    canUnloadNow_ = reinterpret_cast<DllCanUnloadNowFn>(GetProcAddress(module, "DllCanUnloadNow"));
    if (getClassObject_ == nullptr || canUnloadNow_ == nullptr) {
        *error = path_ + " is not a speech component";
        FreeLibrary(module);
        handle_ = nullptr;
        return false;
    }
    return true;
}

SComponentModule::~SComponentModule() {
    if (handle_ != nullptr && CanUnload()) FreeLibrary(static_cast<HMODULE>(handle_));
}
