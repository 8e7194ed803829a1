// The four entry points a COM host finds in vokrant-sapi5.dll.
#include <new>

#include "sapi/com.h"
#include "sapi/com_boundary.h"
#include "sapi/module_state.h"
#include "sapi5/voice_factory.h"
#include "sapi5/voice_ids.h"
#include "sapi5/voice_registration.h"

#include <olectl.h>

VOKRANT_EXPORT HRESULT VOKRANT_EXPORT_CALL DllGetClassObject(REFCLSID rclsid, REFIID riid,
                                                             void** ppv) {
    return GuardCall("DllGetClassObject", [&]() -> HRESULT {
        if (ppv == nullptr) return E_POINTER;
        *ppv = nullptr;
        if (rclsid != CLSID_VokrantVoice) return CLASS_E_CLASSNOTAVAILABLE;
        auto* factory = new (std::nothrow) CVoiceFactory();
        if (factory == nullptr) return E_OUTOFMEMORY;
        factory->AddRef();
        const HRESULT hr = factory->QueryInterface(riid, ppv);
        factory->Release();
        return hr;
    });
}

VOKRANT_EXPORT HRESULT VOKRANT_EXPORT_CALL DllCanUnloadNow() {
    return ModuleCanUnload() ? S_OK : S_FALSE;
}

VOKRANT_EXPORT HRESULT VOKRANT_EXPORT_CALL DllRegisterServer() {
    return GuardCall("DllRegisterServer",
                     [] { return RegisterVoice(ModulePath()) ? S_OK : SELFREG_E_CLASS; });
}

VOKRANT_EXPORT HRESULT VOKRANT_EXPORT_CALL DllUnregisterServer() {
    return GuardCall("DllUnregisterServer", [] {
        UnregisterVoice();
        return S_OK;
    });
}
