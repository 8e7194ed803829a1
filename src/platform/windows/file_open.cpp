#include "platform/file_open.h"

#include <windows.h>

#include <cerrno>
#include <cstring>

#include "platform/codepage.h"
#include "platform/windows/wide_path.h"

std::wstring WidePath(const std::string& path) {
    std::u16string wide = Utf8ToUtf16(path);
    return std::wstring(wide.begin(), wide.end());
}

std::FILE* OpenFile(const std::string& path, const char* mode) {
    // A NUL inside the name would quietly cut it short.
    if (path.find('\0') != std::string::npos) return errno = EINVAL, nullptr;
    std::wstring wideMode(mode, mode + std::strlen(mode));
    return _wfopen(WidePath(path).c_str(), wideMode.c_str());
}

bool RemoveFile(const std::string& path) {
    return _wremove(WidePath(path).c_str()) == 0;
}

bool IsRegularFile(const std::string& path, std::uint64_t* size) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (path.empty() || path.find('\0') != std::string::npos ||
        !GetFileAttributesExW(WidePath(path).c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) != 0)
        return false;
    if (size != nullptr)
        *size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return true;
}
