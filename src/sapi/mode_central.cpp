// ITTSCentral: queuing text, pause, resume and reset, and sink registration.
#include <atomic>
#include <cstring>
#include <vector>

#include "core/attribute.h"
#include "platform/codepage.h"
#include "sapi/com_boundary.h"
#include "sapi/mode_interfaces.h"
#include "sapi/mode_object.h"
#include "sapi/voice_mode_description.h"

namespace {

// Registration keys are unique across every mode object of the process.
std::atomic<DWORD> g_nextRegistrationKey{1};

}  // namespace

HRESULT CMode::ModeGet(TTSMODEINFOW* info) {
    if (info == nullptr) return E_INVALIDARG;
    *info = modeInfo;
    return S_OK;
}

HRESULT CMode::PosnGet(QWORD* position) {
    if (position == nullptr) return E_INVALIDARG;
    return audio->PosnGet(position);
}

HRESULT CMode::ToFileTime(QWORD* position, FILETIME* fileTime) {
    if (fileTime == nullptr || position == nullptr) return E_INVALIDARG;
    return audio->ToFileTime(position, fileTime);
}

HRESULT CMode::TextData(VOICECHARSET charset, DWORD flags, SDATA text, void* sink,
                        const IID& sinkIid, bool ansi) {
    ansiPositions = ansi;
    if (charset != CHARSET_TEXT) return TTSERR_INVALIDCHAR;
    if (sink != nullptr && sinkIid != IID_ITTSBufNotifySink) return E_NOINTERFACE;
    if (text.pData == nullptr) return E_INVALIDARG;

    // The device is claimed when the text's first sound is ready, so a text
    // without sound claims none and causes no audio start or stop.
    if (claimed && paused) return E_FAIL;

    // Only the text up to its first null is kept, and a text without one is
    // bounded by its byte count; the record always ends in a null.
    const auto* units = static_cast<const char16_t*>(text.pData);
    std::size_t length = 0;
    const std::size_t capacity = text.dwSize / 2;
    while (length < capacity && units[length] != 0) ++length;
    std::vector<char16_t> record(units, units + length);
    record.push_back(0);

    textPending = true;
    if (!textQueue.Append(record.data(), record.size() * sizeof(char16_t))) return E_OUTOFMEMORY;
    auto* bufferSink = static_cast<ITTSBufNotifySink*>(sink);
    SinkRecord sinkRecord{bufferSink, nullptr, 0, bufferSink != nullptr ? 1 : 0, ansi ? 1 : 0};
    if (!sinkQueue.Append(&sinkRecord, sizeof sinkRecord)) {
        textQueue.RemoveAt(textQueue.GetCount() - 1);
        return E_OUTOFMEMORY;
    }
    if (bufferSink != nullptr) bufferSink->AddRef();
    settings->taggedText = (flags == TTSDATAFLAG_TAGGED) || settings->forceTagSensitivity;
    return Producing();
}

HRESULT CMode::AudioPause() {
    if (paused) return TTSERR_ALREADYPAUSED;
    audio->Stop();
    resumeDevice_ = claimed;  // our sound waits in the device
    ReleaseDevice();
    paused = true;
    active = false;
    return S_OK;
}

HRESULT CMode::AudioResume() {
    if (!paused) return TTSERR_NOTPAUSED;
    if (claimed) return E_FAIL;
    // The device is taken back only for sound that waits in it; the rest
    // claims it when its first sound is ready.
    if (resumeDevice_) {
        HRESULT hr = audio->Claim();
        if (FAILED(hr)) return hr;
        paused = false;
        claimed = true;
        resumeDevice_ = false;
        hr = StartDevice();
        if (FAILED(hr)) return hr;
    }
    paused = false;
    if (textPending) {
        active = true;
        return Producing();
    }
    ReleaseDevice();
    return S_OK;
}

HRESULT CMode::AudioReset() {
    if (!claimed && !paused) {
        audio->Stop();
        audio->Flush();
    } else {
        if (claimed && paused) return E_FAIL;
        if (paused) {
            audio->Flush();
        } else {
            audio->Stop();
            audio->Flush();
            audio->UnClaim();
        }
        textPending = false;
        paused = false;
        claimed = false;
        active = true;
    }
    ReleaseQueuedTexts(TTSBNS_ABORTED);
    return S_OK;
}

HRESULT CMode::Register(void* sink, const IID& iid, DWORD* key) {
    if (iid != IID_ITTSNotifySinkW && iid != IID_ITTSNotifySinkA) return E_NOINTERFACE;
    if (sink == nullptr || key == nullptr) return E_INVALIDARG;
    // Either sink form starts with IUnknown's three slots.
    NotifyRecord record{static_cast<IUnknown*>(sink), iid, g_nextRegistrationKey++};
    if (!notifySinks.Append(&record, sizeof record)) {
        *key = 0;
        return E_OUTOFMEMORY;
    }
    record.sink->AddRef();
    *key = record.key;
    return S_OK;
}

HRESULT CMode::UnRegister(DWORD key) {
    for (int i = 0; i < notifySinks.GetCount(); ++i) {
        auto* record = static_cast<NotifyRecord*>(notifySinks.GetAt(i));
        if (record->key != key) continue;
        IUnknown* sink = record->sink;
        notifySinks.RemoveAt(i);
        sink->Release();
        return S_OK;
    }
    return TTSERR_INVALIDKEY;
}

// ---- Unicode interface object ----------------------------------------------

HRESULT CModeITTSCentralW::Inject(const WCHAR* pszTag) {
    return GuardCall("ITTSCentral::Inject", [&]() -> HRESULT {
        if (pszTag == nullptr) return E_INVALIDARG;
        return mode_->Inject(Utf16ToCp1250(AsUtf16(pszTag)));
    });
}

HRESULT CModeITTSCentralW::ModeGet(TTSMODEINFOW* pttsInfo) {
    return GuardCall("ITTSCentral::ModeGet", [&] { return mode_->ModeGet(pttsInfo); });
}

HRESULT CModeITTSCentralW::PosnGet(QWORD* p) {
    return GuardCall("ITTSCentral::PosnGet", [&] { return mode_->PosnGet(p); });
}

HRESULT CModeITTSCentralW::TextData(VOICECHARSET eCharacterSet, DWORD dwFlags, SDATA dText,
                                    void* pNotifyInterface, IID IIDNotifyInterface) {
    return GuardCall("ITTSCentral::TextData", [&] {
        return mode_->TextData(eCharacterSet, dwFlags, dText, pNotifyInterface, IIDNotifyInterface,
                               false);
    });
}

HRESULT CModeITTSCentralW::ToFileTime(QWORD* p, FILETIME* ft) {
    return GuardCall("ITTSCentral::ToFileTime", [&] { return mode_->ToFileTime(p, ft); });
}

HRESULT CModeITTSCentralW::AudioPause() {
    return GuardCall("ITTSCentral::AudioPause", [&] { return mode_->AudioPause(); });
}

HRESULT CModeITTSCentralW::AudioResume() {
    return GuardCall("ITTSCentral::AudioResume", [&] { return mode_->AudioResume(); });
}

HRESULT CModeITTSCentralW::AudioReset() {
    return GuardCall("ITTSCentral::AudioReset", [&] { return mode_->AudioReset(); });
}

HRESULT CModeITTSCentralW::Register(void* sink, IID iid, DWORD* key) {
    return GuardCall("ITTSCentral::Register", [&] { return mode_->Register(sink, iid, key); });
}

HRESULT CModeITTSCentralW::UnRegister(DWORD key) {
    return GuardCall("ITTSCentral::UnRegister", [&] { return mode_->UnRegister(key); });
}

// ---- ANSI interface object ----------------------------------------------------

HRESULT CModeITTSCentralA::Inject(const CHAR* pszTag) {
    return GuardCall("ITTSCentralA::Inject", [&]() -> HRESULT {
        if (pszTag == nullptr) return E_INVALIDARG;
        std::string tag(pszTag);
        if (tag.find_first_not_of(" \t\r\n") == std::string::npos) return S_OK;
        return mode_->Inject(tag);
    });
}

HRESULT CModeITTSCentralA::ModeGet(TTSMODEINFOA* pttsInfo) {
    return GuardCall("ITTSCentralA::ModeGet", [&]() -> HRESULT {
        if (pttsInfo == nullptr) return E_INVALIDARG;
        TTSMODEINFOW wide;
        HRESULT hr = mode_->ModeGet(&wide);
        if (SUCCEEDED(hr)) ModeDescriptionToAnsi(wide, pttsInfo);
        return hr;
    });
}

HRESULT CModeITTSCentralA::TextData(VOICECHARSET eCharacterSet, DWORD dwFlags, SDATA dText,
                                    void* pNotifyInterface, IID IIDNotifyInterface) {
    return GuardCall("ITTSCentralA::TextData", [&]() -> HRESULT {
        if (dText.pData == nullptr) return E_INVALIDARG;
        // ANSI text is bounded by its byte count and ends at its first null.
        const auto* bytes = static_cast<const char*>(dText.pData);
        std::size_t length = 0;
        while (length < dText.dwSize && bytes[length] != 0) ++length;
        std::u16string wide = Cp1250ToUtf16(std::string_view(bytes, length));
        if (wide.empty() && length > 0) return E_FAIL;
        SDATA converted{wide.data(), static_cast<DWORD>((wide.size() + 1) * sizeof(char16_t))};
        return mode_->TextData(eCharacterSet, dwFlags, converted, pNotifyInterface,
                               IIDNotifyInterface, true);
    });
}
