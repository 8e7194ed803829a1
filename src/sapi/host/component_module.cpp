// What loading the component does alike on both systems: where the registry
// says it is, and what is asked of it once loaded. Loading and unloading the
// file itself is in linux/ or windows/.
#include "sapi/host/component_module.h"

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
