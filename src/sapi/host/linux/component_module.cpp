#include "sapi/host/component_module.h"

#include <dlfcn.h>
#include <limits.h>
#include <unistd.h>

#include "platform/linux/install_layout.h"

std::string SComponentModule::BesideProgram() {
    char self[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
    if (n > 0) {
        std::string path(self, static_cast<std::size_t>(n));
        path = path.substr(0, path.rfind('/') + 1) + "libvokrant-sapi.so";
        if (access(path.c_str(), R_OK) == 0) return path;
    }
    // A program of the build tree uses the component built with it; an
    // installed one the component of its own prefix.
    if (RunsFromBuildTree()) return VOKRANT_SAPI_MODULE_PATH;
    return InstalledFolder(VOKRANT_SAPI_DIR, VOKRANT_INSTALLED_SAPI_DIR) + "/" +
           VOKRANT_SAPI_MODULE_NAME;
}

bool SComponentModule::Load(const std::string& fallbackPath, std::string* error) {
    std::string registered = RegisteredPath();
    // A registration left behind by a removed build must not hide a working one.
    path_ =
        !registered.empty() && access(registered.c_str(), R_OK) == 0 ? registered : fallbackPath;
    handle_ = dlopen(path_.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        *error = "cannot load the speech component " + path_ + ": " + dlerror();
        return false;
    }
    getClassObject_ = reinterpret_cast<DllGetClassObjectFn>(dlsym(handle_, "DllGetClassObject"));
    canUnloadNow_ = reinterpret_cast<DllCanUnloadNowFn>(dlsym(handle_, "DllCanUnloadNow"));
    if (getClassObject_ == nullptr || canUnloadNow_ == nullptr) {
        *error = path_ + " is not a speech component";
        dlclose(handle_);
        handle_ = nullptr;
        return false;
    }
    return true;
}

SComponentModule::~SComponentModule() {
    if (handle_ != nullptr && CanUnload()) dlclose(handle_);
}
