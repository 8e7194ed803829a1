// The engine enumerator: the component's one class. A host enumerates the
// voice modes through its Unicode or ANSI ITTSEnum face and selects one,
// which creates a mode object. Both faces delegate IUnknown to the
// enumerator; the enumeration position runs 0 (before the mode) to 1.
#pragma once

#include <memory>

#include "sapi/sapi4.h"

class CEngineEnum;

class CEngITTSEnumW final : public ITTSEnumW {
public:
    explicit CEngITTSEnumW(CEngineEnum* owner) : owner_(owner) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE Next(ULONG celt, TTSMODEINFOW* rgelt, ULONG* pceltFetched) override;
    HRESULT STDMETHODCALLTYPE Skip(ULONG celt) override;
    HRESULT STDMETHODCALLTYPE Reset() override;
    HRESULT STDMETHODCALLTYPE Clone(ITTSEnumW** ppenum) override;
    HRESULT STDMETHODCALLTYPE Select(GUID gModeID, ITTSCentralW** ppiTTSCentral,
                                     IUnknown* pIUnknownForAudio) override;

private:
    CEngineEnum* owner_;
};

class CEngITTSEnumA final : public ITTSEnumA {
public:
    explicit CEngITTSEnumA(CEngineEnum* owner) : owner_(owner) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE Next(ULONG celt, TTSMODEINFOA* rgelt, ULONG* pceltFetched) override;
    HRESULT STDMETHODCALLTYPE Skip(ULONG celt) override;
    HRESULT STDMETHODCALLTYPE Reset() override;
    HRESULT STDMETHODCALLTYPE Clone(ITTSEnumA** ppenum) override;
    HRESULT STDMETHODCALLTYPE Select(GUID gModeID, ITTSCentralA** ppiTTSCentral,
                                     IUnknown* pIUnknownForAudio) override;

private:
    CEngineEnum* owner_;
};

class CEngineEnum final : public IUnknown {
public:
    // Called just before the enumerator (or a mode object it selects)
    // deletes itself.
    using FinalRelease = void (*)();

    // outer null: the enumerator controls itself. Starts with no reference.
    CEngineEnum(IUnknown* outer, FinalRelease onFinalRelease);
    CEngineEnum(const CEngineEnum&) = delete;
    CEngineEnum& operator=(const CEngineEnum&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    IUnknown* Outer() const { return outer_; }
    FinalRelease OnFinalRelease() const { return onFinalRelease_; }
    CEngITTSEnumW* UnicodeFace() { return &unicodeFace_; }

    ULONG position = 0;

private:
    ~CEngineEnum() = default;

    ULONG refCount_ = 0;
    IUnknown* outer_;
    FinalRelease onFinalRelease_;
    CEngITTSEnumW unicodeFace_{this};
    CEngITTSEnumA ansiFace_{this};
};
