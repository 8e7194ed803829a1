#include "sapi/host/component_module.h"

#include <dlfcn.h>
#include <limits.h>
#include <unistd.h>

#include "platform/reg_key.h"
#include "sapi/engine_ids.h"

std::string SComponentModule::RegisteredPath() {
    SRegKey list =
        SRegKey::OpenExisting(SRegRoot::LocalMachine, "Software\\Voice\\TextToSpeech\\Engine");
    std::string clsid;
    if (!list.IsOpen() || !list.ReadString(kVokrantIndependentProgId, &clsid)) return {};
    SRegKey server =
        SRegKey::OpenExisting(SRegRoot::ClassesRoot, "CLSID\\" + clsid + "\\InprocServer32");
    std::string path;
    if (!server.IsOpen() || !server.ReadString("", &path)) return {};
    return path;
}

std::string SComponentModule::BesideProgram() {
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

ITTSEnumW* SComponentModule::CreateEnumerator(std::string* error) {
    if (getClassObject_ == nullptr) {
        *error = "the speech component is not loaded";
        return nullptr;
    }
    void* p = nullptr;
    HRESULT hr = getClassObject_(CLSID_VokrantEngine, IID_IClassFactory, &p);
    if (FAILED(hr)) {
        *error = "the speech component offers no engine class";
        return nullptr;
    }
    auto* factory = static_cast<IClassFactory*>(p);
    p = nullptr;
    hr = factory->CreateInstance(nullptr, IID_ITTSEnumW, &p);
    factory->Release();
    if (FAILED(hr)) {
        *error = "the speech component cannot enumerate its voices";
        return nullptr;
    }
    return static_cast<ITTSEnumW*>(p);
}

bool SComponentModule::CanUnload() const {
    return canUnloadNow_ != nullptr && canUnloadNow_() == S_OK;
}

SComponentModule::~SComponentModule() {
    if (handle_ != nullptr && CanUnload()) dlclose(handle_);
}
