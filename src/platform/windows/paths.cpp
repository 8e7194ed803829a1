// Paths on Windows: the voice data lives beside the DLL (or the program)
// this code is linked into; settings live in the registry.
#include "platform/paths.h"
#include "platform/config_dir_override.h"

#include <windows.h>

#include <cstdlib>

#include "platform/codepage.h"

namespace {

std::string EnvOrEmpty(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

// The module holding this function: the DLL for the component, the program
// for a statically linked tool.
HMODULE OwnModule() {
    HMODULE module = nullptr;
    GetModuleHandleExA(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCSTR>(&OwnModule), &module);
    return module;
}

// In UTF-8, like every file name inside: the folder may be named in any script.
std::string OwnModuleDirectory() {
    std::wstring path(32768, L'\0');
    DWORD length = GetModuleFileNameW(OwnModule(), path.data(), static_cast<DWORD>(path.size()));
    if (length == 0 || length >= path.size()) return {};
    std::string dir =
        Utf16ToUtf8(std::u16string_view(reinterpret_cast<const char16_t*>(path.data()), length));
    std::string::size_type slash = dir.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : dir.substr(0, slash + 1);
}

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

}  // namespace

std::string WithTrailingSlash(std::string path) {
    if (!path.empty() && !IsSeparator(path.back())) path += '\\';
    return path;
}

bool HasDirectoryPart(std::string_view path) {
    return path.find_first_of("\\/:") != std::string_view::npos;
}

std::string ConfigDir() {
    std::string dir = ConfigDirOverride() ? *ConfigDirOverride() : EnvOrEmpty("VOKRANT_CONFIG_DIR");
    if (dir.empty()) dir = EnvOrEmpty("APPDATA") + "\\Vokrant";
    while (dir.size() > 1 && IsSeparator(dir.back())) dir.pop_back();
    return dir;
}

std::string DataDir() {
    std::string dir = EnvOrEmpty("VOKRANT_DATA_DIR");
    if (dir.empty()) dir = OwnModuleDirectory();
    return WithTrailingSlash(dir);
}

bool DataDirIsSourceTree() {
    return false;
}

bool MakeDirectories(const std::string& path) {
    if (path.empty()) return false;
    DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    std::string::size_type slash = path.find_last_of("\\/");
    if (slash != std::string::npos && slash > 0) MakeDirectories(path.substr(0, slash));
    return CreateDirectoryA(path.c_str(), nullptr) != 0 || GetLastError() == ERROR_ALREADY_EXISTS;
}
