// The test speaker of a sheet opened by a mode object: the text goes to the
// mode's ANSI text-to-speech interface as tagged text, with a buffer
// notification sink that follows its progress.
#pragma once

#include <atomic>

#include "dialogs/test_speaker.h"
#include "sapi/sapi4.h"

// The buffer notification sink of the test speech. Reference-counted: the
// mode holds it while the text is queued, so it may outlive the sheet.
class CTTSBufNotify final : public ITTSBufNotifySink {
public:
    static CTTSBufNotify* Create() { return new CTTSBufNotify; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE TextDataDone(QWORD, DWORD) override {
        ++done_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE TextDataStarted(QWORD) override {
        ++started_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE BookMark(QWORD, DWORD) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE WordPosition(QWORD, DWORD) override { return S_OK; }

    int Started() const { return started_; }
    int Done() const { return done_; }

private:
    CTTSBufNotify() = default;
    std::atomic<ULONG> refs_{1};
    std::atomic<int> started_{0};
    std::atomic<int> done_{0};
};

class SModeTestSpeaker : public STestSpeaker {
public:
    // `central` is not owned; a reference is held for the speaker's life.
    explicit SModeTestSpeaker(ITTSCentralA* central);
    ~SModeTestSpeaker() override;
    SModeTestSpeaker(const SModeTestSpeaker&) = delete;
    SModeTestSpeaker& operator=(const SModeTestSpeaker&) = delete;

    // TextData with the tagged-text flag; the length includes the
    // terminating zero. False when the mode refused the text.
    bool Speak(const std::string& text) override;

    const CTTSBufNotify& Sink() const { return *sink_; }

private:
    ITTSCentralA* central_;
    CTTSBufNotify* sink_;
};
