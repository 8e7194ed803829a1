#include "sapi/audio/windows/wave_out_audio_dest.h"

CWaveOutAudioDest* CWaveOutAudioDest::Create(DWORD bufferSize) {
    auto* dest = new CWaveOutAudioDest(bufferSize);
    dest->AddRef();
    return dest;
}

CWaveOutAudioDest::~CWaveOutAudioDest() {
    DeliverFlushedMarks();
    device_.Close();
}

HRESULT CWaveOutAudioDest::OpenDevice() {
    error_.clear();
    const WAVEFORMATEX& f = Format();
    bool badFormat = false;
    if (!device_.Open(f.nSamplesPerSec, f.nChannels, f.wBitsPerSample, &error_, &badFormat))
        return badFormat ? AUDERR_WAVEFORMATNOTSUPPORTED : AUDERR_NODRIVER;
    played_ = Total();
    opened_ = true;
    return S_OK;
}

HRESULT CWaveOutAudioDest::WriteDevice(const void* data, DWORD bytes) {
    return device_.Write(data, bytes, &error_) ? S_OK : E_FAIL;
}

QWORD CWaveOutAudioDest::PlayedPosition() {
    played_ += device_.CollectPlayed();
    return played_;
}

void CWaveOutAudioDest::DiscardUnplayed() {
    device_.Reset();
    played_ = Total();
}

int CWaveOutAudioDest::WaitAndPump(int timeoutMs) {
    if (device_.HasQueued() && IsStarted()) device_.WaitForBlock(timeoutMs);
    return Pump();
}
