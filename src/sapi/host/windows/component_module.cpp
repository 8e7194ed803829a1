#include "sapi/host/component_module.h"

#include <windows.h>

#include "platform/reg_key.h"
#include "sapi/engine_ids.h"

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
    if (handle_ != nullptr && CanUnload()) FreeLibrary(static_cast<HMODULE>(handle_));
}
