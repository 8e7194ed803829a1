// The SAPI 5 voice: one COM object implementing ISpTTSEngine and
// ISpObjectWithToken over its own engine and settings. SAPI creates it from
// the token's class, hands it the token, then calls GetOutputFormat and
// Speak (on its worker thread, one call at a time per object). Every method
// checks its pointers and answers with a result code; nothing is thrown out.
#pragma once

#include <atomic>
#include <memory>
#include <mutex>

#include "core/attribute.h"
#include "sapi5/sapi5_ddk.h"
#include "sapi5/voice_engine.h"

class CVoiceObject final : public ISpTTSEngine, public ISpObjectWithToken {
public:
    CVoiceObject();
    CVoiceObject(const CVoiceObject&) = delete;
    CVoiceObject& operator=(const CVoiceObject&) = delete;

    // IUnknown (both interfaces share it)
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // ISpTTSEngine
    HRESULT STDMETHODCALLTYPE Speak(DWORD flags, REFGUID formatId, const WAVEFORMATEX* format,
                                    const SPVTEXTFRAG* fragments, ISpTTSEngineSite* site) override;
    HRESULT STDMETHODCALLTYPE GetOutputFormat(const GUID* targetFormatId,
                                              const WAVEFORMATEX* targetFormat, GUID* formatId,
                                              WAVEFORMATEX** coMemFormat) override;

    // ISpObjectWithToken
    HRESULT STDMETHODCALLTYPE SetObjectToken(ISpObjectToken* token) override;
    HRESULT STDMETHODCALLTYPE GetObjectToken(ISpObjectToken** token) override;

private:
    ~CVoiceObject();
    // Loads the voice on first use; S_OK or SPERR_UNINITIALIZED.
    HRESULT EnsureLoaded();

    std::atomic<ULONG> refCount_{0};
    std::mutex mutex_;  // one Speak at a time on this object
    ISpObjectToken* token_ = nullptr;
    std::unique_ptr<SAttribute> settings_;
    std::unique_ptr<SVoiceEngine> engine_;
};
