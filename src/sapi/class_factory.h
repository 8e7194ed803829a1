// The class factory of the engine class: creates engine enumerators and
// holds the module in memory while a host locks it.
#pragma once

#include "sapi/com.h"

class CEngineClassFactory final : public IClassFactory {
public:
    CEngineClassFactory() = default;
    CEngineClassFactory(const CEngineClassFactory&) = delete;
    CEngineClassFactory& operator=(const CEngineClassFactory&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** ppv) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

private:
    ~CEngineClassFactory() = default;

    ULONG refCount_ = 0;
};
