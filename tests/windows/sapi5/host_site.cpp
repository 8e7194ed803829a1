#include "host_site.h"

#include <thread>

HRESULT HostSite::QueryInterface(REFIID riid, void** ppv) {
    if (ppv == nullptr) return E_POINTER;
    *ppv = nullptr;
    if (riid != IID_IUnknown && riid != host::kIidEventSink && riid != host::kIidEngineSite)
        return E_NOINTERFACE;
    *ppv = static_cast<host::EngineSite*>(this);
    return S_OK;
}

HRESULT HostSite::AddEvents(const SPEVENT* list, ULONG count) {
    if (list == nullptr) return E_POINTER;
    std::lock_guard<std::mutex> lock(mutex_);
    for (ULONG i = 0; i < count; ++i) {
        HostEvent event;
        event.id = list[i].eEventId;
        event.offset = list[i].ullAudioStreamOffset;
        event.wParam = list[i].wParam;
        event.lParam = list[i].lParam;
        if (list[i].elParamType == SPET_LPARAM_IS_STRING && list[i].lParam != 0)
            event.text = reinterpret_cast<const wchar_t*>(list[i].lParam);
        if (!events.empty() && event.offset < events.back().offset)
            faults.push_back("event offset decreases at event " + std::to_string(events.size()));
        if (event.offset < pcm.size())
            faults.push_back("event " + std::to_string(events.size()) +
                             " added after the audio it marks");
        if (event.id != SPEI_TTS_BOOKMARK && (interest & SPFEI(event.id)) != SPFEI(event.id))
            faults.push_back("an event of kind " + std::to_string(event.id) + " nobody asked for");
        events.push_back(std::move(event));
    }
    return S_OK;
}

HRESULT HostSite::GetEventInterest(ULONGLONG* out) {
    if (interestFails) return E_NOTIMPL;
    if (out == nullptr) return E_POINTER;
    *out = interest;
    return S_OK;
}

HRESULT HostSite::Write(const void* data, ULONG bytes, ULONG* written) {
    if (written != nullptr) *written = 0;
    if (actions_.load() & host::kActionAbort) {
        if (abortSeen == std::chrono::steady_clock::time_point{})
            abortSeen = std::chrono::steady_clock::now();
        return host::kAudioStopped;
    }
    if (FAILED(writeResult)) return writeResult;
    const auto now = std::chrono::steady_clock::now();
    if (writes++ == 0) firstWrite = start_ = now;
    writeStarts.push_back(pcm.size());
    largestWrite = std::max(largestWrite, bytes);
    if (onWrite) onWrite(*this, pcm.size());
    {
        std::lock_guard<std::mutex> lock(mutex_);
        const auto* in = static_cast<const unsigned char*>(data);
        pcm.insert(pcm.end(), in, in + bytes);
    }
    if (realTime) {
        // The device plays 44100 bytes a second.
        const auto due = start_ + std::chrono::microseconds(pcm.size() * 1000000 / 44100);
        std::this_thread::sleep_until(due);
    }
    if (written != nullptr) *written = bytes;
    return S_OK;
}

HRESULT HostSite::GetRate(LONG* out) {
    if (out == nullptr) return E_POINTER;
    *out = rate;
    actions_ &= ~host::kActionRate;
    return S_OK;
}

HRESULT HostSite::GetVolume(USHORT* out) {
    if (out == nullptr) return E_POINTER;
    *out = volume;
    actions_ &= ~host::kActionVolume;
    return S_OK;
}

HRESULT HostSite::GetSkipInfo(int* type, LONG* count) {
    if (type == nullptr || count == nullptr) return E_POINTER;
    *type = host::kSkipSentence;
    *count = skipCount_;
    return S_OK;
}

HRESULT HostSite::CompleteSkip(LONG skipped) {
    completedSkips.push_back(skipped);
    actions_ &= ~host::kActionSkip;
    return S_OK;
}

void HostSite::RequestSkip(LONG sentences) {
    skipCount_ = sentences;
    actions_ |= host::kActionSkip;
}

void HostSite::ChangeRate(LONG newRate) {
    rate = newRate;
    actions_ |= host::kActionRate;
}

void HostSite::ChangeVolume(USHORT newVolume) {
    volume = newVolume;
    actions_ |= host::kActionVolume;
}

std::vector<HostEvent> HostSite::EventsOf(int id) const {
    std::vector<HostEvent> found;
    for (const HostEvent& event : events)
        if (event.id == id) found.push_back(event);
    return found;
}
