#include "sapi/class_factory.h"

#include <new>

#include "sapi/com_boundary.h"
#include "sapi/engine_enum.h"
#include "sapi/module_state.h"
#include "sapi/sapi4.h"

HRESULT CEngineClassFactory::QueryInterface(REFIID riid, void** ppv) {
    if (ppv == nullptr) return E_INVALIDARG;
    *ppv = nullptr;
    if (riid != IID_IUnknown && riid != IID_IClassFactory) return E_NOINTERFACE;
    *ppv = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
}

ULONG CEngineClassFactory::AddRef() {
    return ++refCount_;
}

ULONG CEngineClassFactory::Release() {
    if (refCount_ == 0) return 0;
    ULONG left = --refCount_;
    if (left == 0) delete this;
    return left;
}

HRESULT CEngineClassFactory::CreateInstance(IUnknown* outer, REFIID riid, void** ppv) {
    return GuardCall("IClassFactory::CreateInstance", [&]() -> HRESULT {
        if (ppv == nullptr) return E_INVALIDARG;
        *ppv = nullptr;
        if (outer != nullptr) return CLASS_E_NOAGGREGATION;
        auto* enumerator = new (std::nothrow) CEngineEnum(nullptr, &ModuleObjectDeleted);
        if (enumerator == nullptr) return E_OUTOFMEMORY;
        // Counted from birth: the final release below un-counts a failure.
        ModuleObjectCreated();
        enumerator->AddRef();
        HRESULT hr = enumerator->QueryInterface(riid, ppv);
        enumerator->Release();
        return hr;
    });
}

HRESULT CEngineClassFactory::LockServer(BOOL lock) {
    if (lock) {
        ModuleLock();
        return S_OK;
    }
    return ModuleUnlock() ? S_OK : E_FAIL;
}
