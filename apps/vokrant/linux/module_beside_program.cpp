#include <limits.h>
#include <unistd.h>

#include "speech_host.h"

std::string ModuleBesideProgram() {
    char self[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    if (n > 0) {
        std::string path(self, static_cast<std::size_t>(n));
        path = path.substr(0, path.rfind('/') + 1) + "libvokrant-sapi.so";
        if (access(path.c_str(), R_OK) == 0) return path;
    }
    // An installed program uses the installed component, a build tree its own.
    if (access(VOKRANT_INSTALLED_SAPI_MODULE_PATH, R_OK) == 0 &&
        access(VOKRANT_SAPI_MODULE_PATH, R_OK) != 0)
        return VOKRANT_INSTALLED_SAPI_MODULE_PATH;
    return VOKRANT_SAPI_MODULE_PATH;
}
