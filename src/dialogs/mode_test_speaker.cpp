#include "dialogs/mode_test_speaker.h"

#include <string>

#include "platform/log.h"

HRESULT CTTSBufNotify::QueryInterface(REFIID riid, void** ppv) {
    if (!ppv) return E_POINTER;
    *ppv = (riid == IID_IUnknown || riid == IID_ITTSBufNotifySink) ? this : nullptr;
    if (!*ppv) return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

ULONG CTTSBufNotify::Release() {
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
}

SModeTestSpeaker::SModeTestSpeaker(ITTSCentralA* central)
    : central_(central), sink_(CTTSBufNotify::Create()) {
    if (central_) central_->AddRef();
}

SModeTestSpeaker::~SModeTestSpeaker() {
    sink_->Release();
    if (central_) central_->Release();
}

bool SModeTestSpeaker::Speak(const std::string& text) {
    if (!central_) return false;
    std::string data = text;  // the mode reads the terminating zero too
    SDATA block{data.data(), static_cast<DWORD>(data.size() + 1)};
    const HRESULT result =
        central_->TextData(CHARSET_TEXT, TTSDATAFLAG_TAGGED, block, sink_, IID_ITTSBufNotifySink);
    if (result != S_OK) LogMessage("TextData: 0x%08X\n", static_cast<unsigned>(result));
    return result == S_OK;
}
