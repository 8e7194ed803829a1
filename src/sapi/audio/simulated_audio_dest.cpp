#include "sapi/audio/simulated_audio_dest.h"

#include <algorithm>
#include <new>

CSimulatedAudioDest* CSimulatedAudioDest::Create(DWORD bufferSize) {
    auto* dest = new (std::nothrow) CSimulatedAudioDest(bufferSize);
    if (dest != nullptr) dest->AddRef();
    return dest;
}

HRESULT CSimulatedAudioDest::OpenDevice() {
    HRESULT hr = claimFailure_;
    claimFailure_ = S_OK;
    if (SUCCEEDED(hr)) ++claimCount_;
    return hr;
}

HRESULT CSimulatedAudioDest::Start() {
    if (answerAlreadyStarted_ && IsClaimed() && IsStarted()) return AUDERR_ALREADYSTARTED;
    return CAudioDestBase::Start();
}

HRESULT CSimulatedAudioDest::WriteDevice(const void* data, DWORD bytes) {
    const auto* p = static_cast<const std::uint8_t*>(data);
    written_.insert(written_.end(), p, p + bytes);
    return S_OK;
}

DWORD CSimulatedAudioDest::Advance(DWORD bytes) {
    DWORD played = 0;
    if (IsStarted()) {
        QWORD unplayed = Total() - played_;
        played = static_cast<DWORD>(std::min<QWORD>(unplayed, bytes));
        played_ += played;
    }
    Pump();
    return played;
}

int CSimulatedAudioDest::WaitAndPump(int /*timeoutMs*/) {
    if (IsStarted()) played_ = Total();
    return Pump();
}
