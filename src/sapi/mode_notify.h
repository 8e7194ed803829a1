// The sinks the mode object hands out: CModeNotify receives the audio
// destination's notifications and passes them to the mode object;
// CModeFileNotify does nothing (created and destroyed with the mode object,
// never handed out); CTTSBufNotify is a do-nothing buffer sink for callers
// that speak without caring about progress.
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

class CTTSBufNotify final : public ITTSBufNotifySink {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE TextDataDone(QWORD, DWORD) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE TextDataStarted(QWORD) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE BookMark(QWORD, DWORD) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE WordPosition(QWORD, DWORD) override { return S_OK; }
};
