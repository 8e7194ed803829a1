#include "sapi/host/speech_session.h"

namespace {

// Both sinks live on the stack of one SpeakAndWait call; counting is not needed.
class SessionSinks final : public ITTSBufNotifySink {
public:
    explicit SessionSinks(const SSpeechEventHandler& onEvent) : onEvent_(onEvent), notify_(this) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        if (ppv == nullptr) return E_INVALIDARG;
        *ppv = (riid == IID_IUnknown || riid == IID_ITTSBufNotifySink) ? this : nullptr;
        return *ppv != nullptr ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE TextDataDone(QWORD ts, DWORD flags) override {
        done = true;
        return Emit(SSpeechEvent::Kind::Done, ts, flags);
    }
    HRESULT STDMETHODCALLTYPE TextDataStarted(QWORD ts) override {
        return Emit(SSpeechEvent::Kind::Started, ts, 0);
    }
    HRESULT STDMETHODCALLTYPE BookMark(QWORD ts, DWORD mark) override {
        return Emit(SSpeechEvent::Kind::Bookmark, ts, mark);
    }
    HRESULT STDMETHODCALLTYPE WordPosition(QWORD ts, DWORD offset) override {
        return Emit(SSpeechEvent::Kind::Word, ts, offset);
    }

    HRESULT Emit(SSpeechEvent::Kind kind, QWORD ts, DWORD value) {
        if (onEvent_) onEvent_({kind, ts, value});
        return S_OK;
    }

    class Notify final : public ITTSNotifySinkW {
    public:
        explicit Notify(SessionSinks* owner) : owner_(owner) {}
        HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
            if (ppv == nullptr) return E_INVALIDARG;
            *ppv = (riid == IID_IUnknown || riid == IID_ITTSNotifySinkW) ? this : nullptr;
            return *ppv != nullptr ? S_OK : E_NOINTERFACE;
        }
        ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
        ULONG STDMETHODCALLTYPE Release() override { return 1; }
        HRESULT STDMETHODCALLTYPE AttribChanged(DWORD a) override {
            return owner_->Emit(SSpeechEvent::Kind::Attribute, 0, a);
        }
        HRESULT STDMETHODCALLTYPE AudioStart(QWORD ts) override {
            return owner_->Emit(SSpeechEvent::Kind::AudioStart, ts, 0);
        }
        HRESULT STDMETHODCALLTYPE AudioStop(QWORD ts) override {
            return owner_->Emit(SSpeechEvent::Kind::AudioStop, ts, 0);
        }
        HRESULT STDMETHODCALLTYPE Visual(QWORD ts, WCHAR ipa, WCHAR, DWORD, TTSMOUTH*) override {
            return owner_->Emit(SSpeechEvent::Kind::Visual, ts, ipa);
        }

    private:
        SessionSinks* owner_;
    };

    bool done = false;

private:
    const SSpeechEventHandler& onEvent_;

public:
    Notify notify_;
};

}  // namespace

HRESULT SpeakAndWait(ITTSCentralW* central, const std::u16string& text, bool tagged,
                     const SSpeechEventHandler& onEvent, const SPumpFunction& pump) {
    if (central == nullptr) return E_INVALIDARG;
    SessionSinks sinks(onEvent);
    DWORD key = 0;
    HRESULT hr =
        central->Register(static_cast<ITTSNotifySinkW*>(&sinks.notify_), IID_ITTSNotifySinkW, &key);
    if (FAILED(hr)) return hr;
    SDATA data{const_cast<char16_t*>(text.c_str()),
               static_cast<DWORD>((text.size() + 1) * sizeof(char16_t))};
    hr = central->TextData(CHARSET_TEXT, tagged ? TTSDATAFLAG_TAGGED : 0, data,
                           static_cast<ITTSBufNotifySink*>(&sinks), IID_ITTSBufNotifySink);
    while (SUCCEEDED(hr) && !sinks.done) {
        if (!pump()) {
            central->AudioReset();  // the host gave up: no sink may outlive this call
            hr = E_FAIL;
        }
    }
    central->UnRegister(key);
    return hr;
}
