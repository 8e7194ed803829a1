// Host-side sinks that record the engine's notifications.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "sapi/sapi4.h"

class RecordingBufSink final : public ITTSBufNotifySink {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        *ppv = (riid == IID_IUnknown || riid == IID_ITTSBufNotifySink) ? this : nullptr;
        if (*ppv == nullptr) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }
    HRESULT STDMETHODCALLTYPE TextDataDone(QWORD, DWORD flags) override {
        events.push_back("done " + std::to_string(flags));
        if (onDone) onDone();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE TextDataStarted(QWORD) override {
        events.push_back("started");
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE BookMark(QWORD timeStamp, DWORD mark) override {
        events.push_back("mark " + std::to_string(mark));
        markTimes.push_back(timeStamp);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE WordPosition(QWORD timeStamp, DWORD offset) override {
        wordOffsets.push_back(offset);
        wordTimes.push_back(timeStamp);
        return S_OK;
    }
    bool Done() const { return !events.empty() && events.back().rfind("done", 0) == 0; }

    ULONG refs = 0;
    std::function<void()> onDone;  // runs inside TextDataDone, before the next text starts
    std::vector<std::string> events;
    std::vector<DWORD> wordOffsets;
    std::vector<QWORD> markTimes;  // time stamps, parallel to the "mark" events
    std::vector<QWORD> wordTimes;  // parallel to wordOffsets
};

template <typename Ch>
class RecordingNotifySink final : public ITTSNotifySinkT<Ch> {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        *ppv = riid == IID_IUnknown ? this : nullptr;
        if (*ppv == nullptr) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }
    HRESULT STDMETHODCALLTYPE AttribChanged(DWORD attribute) override {
        attributes.push_back(attribute);
        if (onAttribChanged) onAttribChanged(attribute);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE AudioStart(QWORD) override {
        ++starts;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE AudioStop(QWORD) override {
        ++stops;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Visual(QWORD, Ch ipa, Ch, DWORD, TTSMOUTH*) override {
        visuals.push_back(static_cast<DWORD>(ipa));
        return S_OK;
    }

    ULONG refs = 0;
    std::function<void(DWORD)> onAttribChanged;  // runs inside AttribChanged
    std::vector<DWORD> attributes;
    std::vector<DWORD> visuals;
    int starts = 0, stops = 0;
};
