#include "sapi5/voice_factory.h"

#include <new>

#include "sapi/com_boundary.h"
#include "sapi/module_state.h"
#include "sapi5/voice_object.h"

HRESULT CVoiceFactory::QueryInterface(REFIID riid, void** ppv) {
    if (ppv == nullptr) return E_POINTER;
    *ppv = nullptr;
    if (riid != IID_IUnknown && riid != IID_IClassFactory) return E_NOINTERFACE;
    *ppv = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
}

ULONG CVoiceFactory::AddRef() {
    return ++refCount_;
}

ULONG CVoiceFactory::Release() {
    const ULONG left = --refCount_;
    if (left == 0) delete this;
    return left;
}

HRESULT CVoiceFactory::CreateInstance(IUnknown* outer, REFIID riid, void** ppv) {
    return GuardCall("IClassFactory::CreateInstance", [&]() -> HRESULT {
        if (ppv == nullptr) return E_POINTER;
        *ppv = nullptr;
        if (outer != nullptr) return CLASS_E_NOAGGREGATION;
        auto* voice = new (std::nothrow) CVoiceObject();
        if (voice == nullptr) return E_OUTOFMEMORY;
        // The final release below frees a voice nobody asked for.
        voice->AddRef();
        const HRESULT hr = voice->QueryInterface(riid, ppv);
        voice->Release();
        return hr;
    });
}

HRESULT CVoiceFactory::LockServer(BOOL lock) {
    if (lock) {
        ModuleLock();
        return S_OK;
    }
    return ModuleUnlock() ? S_OK : E_FAIL;
}
