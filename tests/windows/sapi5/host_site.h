// The test host's ISpTTSEngineSite, behaving as SAPI's does: it starts with
// the rate and volume actions pending (GetRate and GetVolume clear them),
// takes abort, skip, rate and volume requests from the test (also from
// another thread, or from inside Write after so many bytes), keeps every
// byte written, optionally paces Write to real time, answers
// SP_AUDIO_STOPPED once aborted, and deep-copies every event, checking as it
// goes that offsets never decrease and never lie behind the audio written.
#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "host_sapi_ddk.h"

struct HostEvent {
    int id = 0;
    ULONGLONG offset = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    std::wstring text;  // a string payload, copied
};

class HostSite final : public host::EngineSite {
public:
    HostSite() = default;

    // IUnknown: a stack object; reference counts are not used.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE AddEvents(const SPEVENT* events, ULONG count) override;
    HRESULT STDMETHODCALLTYPE GetEventInterest(ULONGLONG* interest) override;
    DWORD STDMETHODCALLTYPE GetActions() override { return actions_.load(); }
    HRESULT STDMETHODCALLTYPE Write(const void* data, ULONG bytes, ULONG* written) override;
    HRESULT STDMETHODCALLTYPE GetRate(LONG* rate) override;
    HRESULT STDMETHODCALLTYPE GetVolume(USHORT* volume) override;
    HRESULT STDMETHODCALLTYPE GetSkipInfo(int* type, LONG* count) override;
    HRESULT STDMETHODCALLTYPE CompleteSkip(LONG skipped) override;

    // Settings of the test, made before Speak.
    ULONGLONG interest = SPFEI(SPEI_TTS_BOOKMARK) | SPFEI(SPEI_WORD_BOUNDARY) |
                         SPFEI(SPEI_SENTENCE_BOUNDARY) | SPFEI(SPEI_VISEME);
    bool interestFails = false;
    LONG rate = 0;
    USHORT volume = 100;
    bool realTime = false;
    HRESULT writeResult = S_OK;
    // Called inside Write with the bytes written so far (before this piece).
    std::function<void(HostSite&, ULONGLONG)> onWrite;

    // Requests, from any thread.
    void Abort() { actions_ |= host::kActionAbort; }
    void RequestSkip(LONG sentences);
    void ChangeRate(LONG newRate);
    void ChangeVolume(USHORT newVolume);

    // What happened.
    std::vector<unsigned char> pcm;
    std::vector<HostEvent> events;
    std::vector<std::string> faults;  // order or offset errors seen while speaking
    std::vector<LONG> completedSkips;
    size_t writes = 0;
    std::vector<size_t> writeStarts;  // bytes written before each Write
    ULONG largestWrite = 0;
    std::chrono::steady_clock::time_point firstWrite{}, abortSeen{};

    std::vector<HostEvent> EventsOf(int id) const;

private:
    std::atomic<DWORD> actions_{host::kActionRate | host::kActionVolume};
    std::mutex mutex_;
    LONG skipCount_ = 0;
    std::chrono::steady_clock::time_point start_{};
};
