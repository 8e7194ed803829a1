#include "platform/paths.h"
#include "platform/config_dir_override.h"
#include "platform/linux/install_layout.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <utility>

namespace {

std::string EnvOrEmpty(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

bool IsDirectory(const std::string& path) {
    struct stat st;
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

std::string WithTrailingSlash(std::string path) {
    if (!path.empty() && path.back() != '/') path += '/';
    return path;
}

bool HasDirectoryPart(std::string_view path) {
    return path.find('/') != std::string_view::npos;
}

std::string ConfigDir() {
    std::string dir = ConfigDirOverride() ? *ConfigDirOverride() : EnvOrEmpty("VOKRANT_CONFIG_DIR");
    if (dir.empty()) {
        std::string base = EnvOrEmpty("XDG_CONFIG_HOME");
        if (base.empty()) base = EnvOrEmpty("HOME") + "/.config";
        dir = base + "/vokrant";
    }
    while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
    return dir;
}

bool DataDirIsSourceTree() {
    // Only a program of the build tree may speak with the source tree's
    // voice; an installed one must not depend on a checkout still lying about.
    return EnvOrEmpty("VOKRANT_DATA_DIR").empty() && RunsFromBuildTree() &&
           IsDirectory(VOKRANT_SOURCE_DATA_DIR);
}

std::string DataDir() {
    std::string dir = EnvOrEmpty("VOKRANT_DATA_DIR");
    if (dir.empty()) {
        dir = DataDirIsSourceTree()
                  ? std::string(VOKRANT_SOURCE_DATA_DIR)
                  : InstalledFolder(VOKRANT_INSTALL_DATA_SUBDIR, VOKRANT_INSTALLED_DATA_DIR);
    }
    return WithTrailingSlash(dir);
}

bool MakeDirectories(const std::string& path) {
    if (path.empty()) return false;
    if (IsDirectory(path)) return true;
    std::string::size_type slash = path.find_last_of('/');
    if (slash != std::string::npos && slash > 0) MakeDirectories(path.substr(0, slash));
    return ::mkdir(path.c_str(), 0700) == 0 || errno == EEXIST;
}
