#include "platform/file_open.h"

#include <sys/stat.h>

std::FILE* OpenFile(const std::string& path, const char* mode) {
    return std::fopen(path.c_str(), mode);
}

bool RemoveFile(const std::string& path) {
    return std::remove(path.c_str()) == 0;
}

bool IsRegularFile(const std::string& path, std::uint64_t* size) {
    struct stat info {};
    if (path.empty() || stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    if (size != nullptr) *size = static_cast<std::uint64_t>(info.st_size);
    return true;
}
