#include "sapi/engine_enum.h"

#include <algorithm>
#include <cstring>

#include "sapi/com_boundary.h"
#include "sapi/engine_ids.h"
#include "sapi/mode_factory.h"
#include "sapi/module_state.h"
#include "sapi/voice_mode_description.h"

// Only one mode exists, so position 1 is the end of the list.
static constexpr ULONG kModeCount = 1;

CEngineEnum::CEngineEnum(IUnknown* outer, FinalRelease onFinalRelease)
    : outer_(outer != nullptr ? outer : this), onFinalRelease_(onFinalRelease) {}

HRESULT CEngineEnum::QueryInterface(REFIID riid, void** ppv) {
    if (ppv == nullptr) return E_INVALIDARG;
    *ppv = nullptr;
    if (riid == IID_IUnknown)
        *ppv = static_cast<IUnknown*>(this);
    else if (riid == IID_ITTSEnumW)
        *ppv = static_cast<ITTSEnumW*>(&unicodeFace_);
    else if (riid == IID_ITTSEnumA)
        *ppv = static_cast<ITTSEnumA*>(&ansiFace_);
    else
        return E_NOINTERFACE;
    static_cast<IUnknown*>(*ppv)->AddRef();
    return S_OK;
}

ULONG CEngineEnum::AddRef() {
    return ++refCount_;
}

ULONG CEngineEnum::Release() {
    if (refCount_ == 0) return 0;  // an unbalanced Release must not delete twice
    ULONG left = --refCount_;
    if (left == 0) {
        if (onFinalRelease_ != nullptr) onFinalRelease_();
        delete this;
    }
    return left;
}

// ---- Unicode face -----------------------------------------------------------

HRESULT CEngITTSEnumW::QueryInterface(REFIID riid, void** ppv) {
    return owner_->Outer()->QueryInterface(riid, ppv);
}
ULONG CEngITTSEnumW::AddRef() {
    return owner_->Outer()->AddRef();
}
ULONG CEngITTSEnumW::Release() {
    return owner_->Outer()->Release();
}

HRESULT CEngITTSEnumW::Next(ULONG celt, TTSMODEINFOW* rgelt, ULONG* pceltFetched) {
    return GuardCall("ITTSEnum::Next", [&]() -> HRESULT {
        if (rgelt == nullptr || (pceltFetched == nullptr && celt != 1)) return E_INVALIDARG;
        ULONG fetched = 0;
        if (owner_->position == 0) {
            fetched = std::min(celt, kModeCount);
            if (fetched > 0) FillModeDescription(0, &rgelt[0]);
            owner_->position += fetched;
        } else {
            std::memset(static_cast<void*>(rgelt), 0, std::size_t{celt} * sizeof(TTSMODEINFOW));
        }
        if (pceltFetched != nullptr) *pceltFetched = fetched;
        return fetched == celt ? S_OK : S_FALSE;
    });
}

HRESULT CEngITTSEnumW::Skip(ULONG celt) {
    // 64-bit sum: a huge count must not wrap around to a small position.
    std::uint64_t target = std::uint64_t{owner_->position} + celt;
    if (target < kModeCount + 1) {
        owner_->position = static_cast<ULONG>(target);
        return S_OK;
    }
    owner_->position = kModeCount;
    return S_FALSE;
}

HRESULT CEngITTSEnumW::Reset() {
    owner_->position = 0;
    return S_OK;
}

HRESULT CEngITTSEnumW::Clone(ITTSEnumW** ppenum) {
    return GuardCall("ITTSEnum::Clone", [&]() -> HRESULT {
        if (ppenum == nullptr) return E_INVALIDARG;
        *ppenum = nullptr;
        // The clone controls itself unless this enumerator is aggregated.
        IUnknown* outer =
            owner_->Outer() == static_cast<IUnknown*>(owner_) ? nullptr : owner_->Outer();
        auto* copy = new (std::nothrow) CEngineEnum(outer, owner_->OnFinalRelease());
        if (copy == nullptr) return E_OUTOFMEMORY;
        ModuleObjectCreated();
        copy->AddRef();
        HRESULT hr = copy->QueryInterface(IID_ITTSEnumW, reinterpret_cast<void**>(ppenum));
        if (SUCCEEDED(hr)) copy->position = owner_->position;
        copy->Release();  // the query's reference keeps it alive, or it goes now
        return hr;
    });
}

HRESULT CEngITTSEnumW::Select(GUID gModeID, ITTSCentralW** ppiTTSCentral,
                              IUnknown* pIUnknownForAudio) {
    return GuardCall("ITTSEnum::Select", [&]() -> HRESULT {
        if (ppiTTSCentral == nullptr || pIUnknownForAudio == nullptr) return E_INVALIDARG;
        *ppiTTSCentral = nullptr;
        if (gModeID != MODEID_VokrantNeutral && gModeID != MODEID_VokrantAlternate)
            return TTSERR_INVALIDMODE;
        TTSMODEINFOW info;
        FillModeDescription(0, &info);
        return CreateModeObject(owner_->OnFinalRelease(), pIUnknownForAudio, info, ppiTTSCentral);
    });
}

// ---- ANSI face --------------------------------------------------------------

HRESULT CEngITTSEnumA::QueryInterface(REFIID riid, void** ppv) {
    return owner_->Outer()->QueryInterface(riid, ppv);
}
ULONG CEngITTSEnumA::AddRef() {
    return owner_->Outer()->AddRef();
}
ULONG CEngITTSEnumA::Release() {
    return owner_->Outer()->Release();
}

HRESULT CEngITTSEnumA::Next(ULONG celt, TTSMODEINFOA* rgelt, ULONG* pceltFetched) {
    return GuardCall("ITTSEnumA::Next", [&]() -> HRESULT {
        if (rgelt == nullptr || (pceltFetched == nullptr && celt != 1)) return E_INVALIDARG;
        // Only one mode exists, so one Unicode entry is all the conversion
        // ever needs, whatever count the caller asks for.
        TTSMODEINFOW wide;
        ULONG fetched = 0;
        ULONG wanted = std::min(celt, kModeCount);
        HRESULT hr = owner_->UnicodeFace()->Next(wanted, &wide, &fetched);
        if (FAILED(hr)) return hr;
        if (fetched == 0 && celt > 0)
            std::memset(static_cast<void*>(rgelt), 0, std::size_t{celt} * sizeof(TTSMODEINFOA));
        for (ULONG i = 0; i < fetched; ++i) ModeDescriptionToAnsi(wide, &rgelt[i]);
        if (pceltFetched != nullptr) *pceltFetched = fetched;
        return fetched == celt ? S_OK : S_FALSE;
    });
}

HRESULT CEngITTSEnumA::Skip(ULONG celt) {
    return owner_->UnicodeFace()->Skip(celt);
}

HRESULT CEngITTSEnumA::Reset() {
    return owner_->UnicodeFace()->Reset();
}

HRESULT CEngITTSEnumA::Clone(ITTSEnumA** ppenum) {
    return GuardCall("ITTSEnumA::Clone", [&]() -> HRESULT {
        if (ppenum == nullptr) return E_INVALIDARG;
        *ppenum = nullptr;
        ITTSEnumW* wide = nullptr;
        HRESULT hr = owner_->UnicodeFace()->Clone(&wide);
        if (FAILED(hr)) return hr;
        hr = wide->QueryInterface(IID_ITTSEnumA, reinterpret_cast<void**>(ppenum));
        wide->Release();
        return hr;
    });
}

HRESULT CEngITTSEnumA::Select(GUID gModeID, ITTSCentralA** ppiTTSCentral,
                              IUnknown* pIUnknownForAudio) {
    return GuardCall("ITTSEnumA::Select", [&]() -> HRESULT {
        if (ppiTTSCentral == nullptr) return E_INVALIDARG;
        *ppiTTSCentral = nullptr;
        ITTSCentralW* wide = nullptr;
        HRESULT hr = owner_->UnicodeFace()->Select(gModeID, &wide, pIUnknownForAudio);
        if (FAILED(hr)) return hr;
        hr = wide->QueryInterface(IID_ITTSCentralA, reinterpret_cast<void**>(ppiTTSCentral));
        wide->Release();
        return hr;
    });
}
