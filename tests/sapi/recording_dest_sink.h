// An IAudioDestNotifySink that records what an audio destination tells it.
#pragma once

#include <string>
#include <vector>

#include "sapi/sapi4.h"

class RecordingDestSink final : public IAudioDestNotifySink {
public:
    struct Mark {
        DWORD id;
        bool flushed;
    };

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
        *ppv = (riid == IID_IUnknown || riid == IID_IAudioDestNotifySink) ? this : nullptr;
        if (*ppv == nullptr) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }
    HRESULT STDMETHODCALLTYPE AudioStop(WORD reason) override {
        events.push_back("stop " + std::to_string(reason));
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE AudioStart() override {
        events.push_back("start");
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE FreeSpace(DWORD bytes, BOOL eof) override {
        freeReports.push_back(bytes);
        lastEof = eof != FALSE;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE BookMark(DWORD id, BOOL flushed) override {
        marks.push_back({id, flushed != FALSE});
        return S_OK;
    }

    ULONG refs = 0;
    std::vector<std::string> events;
    std::vector<DWORD> freeReports;
    std::vector<Mark> marks;
    bool lastEof = false;
};

inline WAVEFORMATEX VoiceFormat() {
    return WAVEFORMATEX{WAVE_FORMAT_PCM, 1, 22050, 44100, 2, 16, 0};
}

inline HRESULT SetVoiceFormat(IAudio* audio) {
    WAVEFORMATEX f = VoiceFormat();
    return audio->WaveFormatSet(SDATA{&f, sizeof f});
}
