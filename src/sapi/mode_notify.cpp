#include "sapi/mode_notify.h"

#include "sapi/com_boundary.h"
#include "sapi/mode_object.h"

HRESULT CModeNotify::QueryInterface(REFIID riid, void** ppv) {
    if (ppv == nullptr) return E_INVALIDARG;
    *ppv = (riid == IID_IUnknown || riid == IID_IAudioDestNotifySink) ? this : nullptr;
    return *ppv != nullptr ? S_OK : E_NOINTERFACE;
}

HRESULT CModeNotify::AudioStop(WORD) {
    return GuardCall("AudioStop", [&] {
        mode_->OnAudioStop();
        return S_OK;
    });
}

HRESULT CModeNotify::AudioStart() {
    return GuardCall("AudioStart", [&] {
        mode_->OnAudioStart();
        return S_OK;
    });
}

HRESULT CModeNotify::FreeSpace(DWORD, BOOL) {
    return GuardCall("FreeSpace", [&] {
        mode_->OnFreeSpace();
        return S_OK;
    });
}

HRESULT CModeNotify::BookMark(DWORD dwMarkID, BOOL fFlush) {
    return GuardCall("BookMark", [&] {
        mode_->OnBookMark(dwMarkID, fFlush != FALSE);
        return S_OK;
    });
}

HRESULT CModeFileNotify::QueryInterface(REFIID riid, void** ppv) {
    if (ppv == nullptr) return E_INVALIDARG;
    *ppv = (riid == IID_IUnknown || riid == IID_IAudioFileNotifySink) ? this : nullptr;
    return *ppv != nullptr ? S_OK : E_NOINTERFACE;
}
