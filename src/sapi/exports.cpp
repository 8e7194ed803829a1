// The four entry points a COM host finds in the module.
#include <new>

#include "sapi/class_factory.h"
#include "sapi/com_boundary.h"
#include "sapi/engine_ids.h"
#include "sapi/module_state.h"
#include "sapi/registration.h"

VOKRANT_EXPORT HRESULT VOKRANT_EXPORT_CALL DllGetClassObject(REFCLSID rclsid, REFIID riid,
                                                             void** ppv) {
    return GuardCall("DllGetClassObject", [&]() -> HRESULT {
        if (ppv == nullptr) return E_INVALIDARG;
        *ppv = nullptr;
        if (rclsid != CLSID_VokrantEngine) return E_FAIL;
        if (riid != IID_IUnknown && riid != IID_IClassFactory) return E_NOINTERFACE;
        auto* factory = new (std::nothrow) CEngineClassFactory();
        if (factory == nullptr) return E_OUTOFMEMORY;
        factory->AddRef();
        *ppv = static_cast<IClassFactory*>(factory);
        return S_OK;
    });
}

VOKRANT_EXPORT HRESULT VOKRANT_EXPORT_CALL DllCanUnloadNow() {
    return ModuleCanUnload() ? S_OK : S_FALSE;
}

VOKRANT_EXPORT HRESULT VOKRANT_EXPORT_CALL DllRegisterServer() {
    GuardCall("DllRegisterServer", [] {
        RegisterEngine(ModulePath());
        return S_OK;
    });
    return S_OK;
}

VOKRANT_EXPORT HRESULT VOKRANT_EXPORT_CALL DllUnregisterServer() {
    GuardCall("DllUnregisterServer", [] {
        UnregisterEngine();
        return S_OK;
    });
    return S_OK;
}
