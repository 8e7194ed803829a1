// The class factory of the SAPI 5 voice: creates voice objects and holds the
// module in memory while a host locks it.
#pragma once

#include <atomic>

#include "sapi/com.h"

class CVoiceFactory final : public IClassFactory {
public:
    CVoiceFactory() = default;
    CVoiceFactory(const CVoiceFactory&) = delete;
    CVoiceFactory& operator=(const CVoiceFactory&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** ppv) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

private:
    ~CVoiceFactory() = default;

    std::atomic<ULONG> refCount_{0};
};
