// The sinks the mode object hands out: CModeNotify receives the audio
// destination's notifications and passes them to the mode object;
// CModeFileNotify does nothing (created and destroyed with the mode object,
// never handed out). The buffer sink of the settings sheet's test buttons,
// CTTSBufNotify, lives with them in dialogs/mode_test_speaker.h.
#pragma once

#include "sapi/sapi4.h"

class CMode;

class CModeNotify final : public IAudioDestNotifySink {
public:
    explicit CModeNotify(CMode* mode) : mode_(mode) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    // Lives as long as the mode object; counting is not needed.
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE AudioStop(WORD wReason) override;
    HRESULT STDMETHODCALLTYPE AudioStart() override;
    HRESULT STDMETHODCALLTYPE FreeSpace(DWORD dwBytes, BOOL fEOF) override;
    HRESULT STDMETHODCALLTYPE BookMark(DWORD dwMarkID, BOOL fFlush) override;

private:
    CMode* mode_;
};

class CModeFileNotify final : public IAudioFileNotifySink {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE FileBegin(DWORD) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE FileEnd(DWORD) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE QueueEmpty() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Posn(QWORD, QWORD) override { return S_OK; }
};
