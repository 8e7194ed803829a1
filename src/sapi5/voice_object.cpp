#include "sapi5/voice_object.h"

#include "capi/shared_voice.h"
#include "platform/log.h"
#include "sapi/com_boundary.h"
#include "sapi/module_state.h"
#include "sapi5/site_output.h"
#include "sapi5/speak_request.h"
#include "sapi5/speech_script.h"

CVoiceObject::CVoiceObject() {
    ModuleObjectCreated();
}

CVoiceObject::~CVoiceObject() {
    if (token_ != nullptr) token_->Release();
    ModuleObjectDeleted();
}

HRESULT CVoiceObject::QueryInterface(REFIID riid, void** ppv) {
    if (ppv == nullptr) return E_POINTER;
    *ppv = nullptr;
    if (riid == IID_IUnknown || riid == kIID_ISpTTSEngine)
        *ppv = static_cast<ISpTTSEngine*>(this);
    else if (riid == kIID_ISpObjectWithToken)
        *ppv = static_cast<ISpObjectWithToken*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

ULONG CVoiceObject::AddRef() {
    return ++refCount_;
}

ULONG CVoiceObject::Release() {
    const ULONG left = --refCount_;
    if (left == 0) delete this;
    return left;
}

HRESULT CVoiceObject::SetObjectToken(ISpObjectToken* token) {
    return GuardCall("ISpObjectWithToken::SetObjectToken", [&]() -> HRESULT {
        if (token == nullptr) return E_INVALIDARG;
        std::lock_guard<std::mutex> lock(mutex_);
        // Nothing is read from the token: the voice's data lies beside the
        // DLL and its settings in the user's registry, which also spares us
        // token calls some SAPI versions do not implement.
        token->AddRef();
        if (token_ != nullptr) token_->Release();
        token_ = token;
        return EnsureLoaded();
    });
}

HRESULT CVoiceObject::GetObjectToken(ISpObjectToken** token) {
    return GuardCall("ISpObjectWithToken::GetObjectToken", [&]() -> HRESULT {
        if (token == nullptr) return E_POINTER;
        std::lock_guard<std::mutex> lock(mutex_);
        *token = token_;
        if (token_ == nullptr) return S_FALSE;
        token_->AddRef();
        return S_OK;
    });
}

HRESULT CVoiceObject::GetOutputFormat(const GUID* /*targetFormatId*/,
                                      const WAVEFORMATEX* /*targetFormat*/, GUID* formatId,
                                      WAVEFORMATEX** coMemFormat) {
    return GuardCall("ISpTTSEngine::GetOutputFormat", [&]() -> HRESULT {
        if (formatId == nullptr || coMemFormat == nullptr) return E_POINTER;
        *coMemFormat = nullptr;
        // Whatever the target, the voice speaks its own format; SAPI converts.
        auto* format = static_cast<WAVEFORMATEX*>(CoTaskMemAlloc(sizeof(WAVEFORMATEX)));
        if (format == nullptr) return E_OUTOFMEMORY;
        format->wFormatTag = WAVE_FORMAT_PCM;
        format->nChannels = 1;
        format->nSamplesPerSec = SSiteOutput::kSampleRate;
        format->wBitsPerSample = 16;
        format->nBlockAlign = 2;
        format->nAvgBytesPerSec = SSiteOutput::kSampleRate * 2;
        format->cbSize = 0;
        *formatId = kSPDFID_WaveFormatEx;
        *coMemFormat = format;
        return S_OK;
    });
}

HRESULT CVoiceObject::EnsureLoaded() {
    if (engine_ != nullptr) return S_OK;
    auto settings = LoadSettings("");
    ChooseVoiceDir(*settings, nullptr);
    auto engine = std::make_unique<SVoiceEngine>(settings.get());
    const std::string error = LoadSharedVoice(*engine, settings->workDir);
    if (!error.empty()) {
        LogMessage("SAPI 5: %s\n", error.c_str());
        return kSPERR_UNINITIALIZED;
    }
    settings_ = std::move(settings);
    engine_ = std::move(engine);
    return S_OK;
}

HRESULT CVoiceObject::Speak(DWORD /*flags*/, REFGUID /*formatId*/, const WAVEFORMATEX* /*format*/,
                            const SPVTEXTFRAG* fragments, ISpTTSEngineSite* site) {
    return GuardCall("ISpTTSEngine::Speak", [&]() -> HRESULT {
        if (site == nullptr || fragments == nullptr || LoopsBack(fragments)) return E_INVALIDARG;
        std::lock_guard<std::mutex> lock(mutex_);
        const HRESULT loaded = EnsureLoaded();
        if (FAILED(loaded)) return loaded;
        // Each call starts from the user's saved settings, so what the
        // settings program changed is heard at once and tags of an earlier
        // text do not linger.
        SAttributeSAPI saved;
        saved.workDir = settings_->workDir;
        saved.extDict = settings_->extDict;
        static_cast<SAttribute&>(*settings_) = saved;
        const std::vector<SScriptItem> script = BuildSpeechScript(fragments, settings_->spellMode);
        return SpeakScript(*engine_, *settings_, script, *site);
    });
}
