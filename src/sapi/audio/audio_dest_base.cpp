#include "sapi/audio/audio_dest_base.h"

#include <chrono>
#include <cstring>

namespace {

// FILETIME counts 100 ns intervals from 1601; the Unix epoch is this far in.
constexpr std::uint64_t kUnixEpochInFileTime = 116444736000000000ULL;

std::uint64_t NowAsFileTime() {
    auto since = std::chrono::system_clock::now().time_since_epoch();
    return kUnixEpochInFileTime +
           static_cast<std::uint64_t>(
               std::chrono::duration_cast<std::chrono::nanoseconds>(since).count() / 100);
}

}  // namespace

CAudioDestBase::CAudioDestBase(DWORD bufferSize) : bufferSize_(bufferSize) {}

CAudioDestBase::~CAudioDestBase() {
    // Subclasses close their device in their own destructor; here only the
    // engine is told that its marks will never play.
    DeliverFlushedMarks();
    if (sink_ != nullptr) sink_->Release();
}

HRESULT CAudioDestBase::QueryInterface(REFIID riid, void** ppv) {
    if (ppv == nullptr) return E_INVALIDARG;
    *ppv = nullptr;
    if (riid == IID_IUnknown || riid == IID_IAudio)
        *ppv = static_cast<IAudio*>(this);
    else if (riid == IID_IAudioDest)
        *ppv = static_cast<IAudioDest*>(this);
    else
        *ppv = QueryExtra(riid);
    if (*ppv == nullptr) return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

ULONG CAudioDestBase::AddRef() {
    return ++refCount_;
}

ULONG CAudioDestBase::Release() {
    if (refCount_ == 0) return 0;
    ULONG left = --refCount_;
    if (left == 0) delete this;
    return left;
}

bool CAudioDestBase::AcceptsFormat(const WAVEFORMATEX& f) const {
    return f.wFormatTag == WAVE_FORMAT_PCM && (f.nChannels == 1 || f.nChannels == 2) &&
           (f.wBitsPerSample == 8 || f.wBitsPerSample == 16) && f.nSamplesPerSec >= 1000 &&
           f.nSamplesPerSec <= 192000 && f.nBlockAlign == f.nChannels * f.wBitsPerSample / 8 &&
           f.nAvgBytesPerSec == f.nSamplesPerSec * f.nBlockAlign;
}

HRESULT CAudioDestBase::WaveFormatSet(SDATA dWFEX) {
    if (dWFEX.pData == nullptr || dWFEX.dwSize < 16) return E_INVALIDARG;
    WAVEFORMATEX f{};
    std::memcpy(&f, dWFEX.pData, dWFEX.dwSize < sizeof f ? dWFEX.dwSize : sizeof f);
    if (!AcceptsFormat(f)) return AUDERR_WAVEFORMATNOTSUPPORTED;
    if (claimed_) return S_OK;  // no effect while playing
    f.cbSize = 0;
    format_ = f;
    hasFormat_ = true;
    return S_OK;
}

HRESULT CAudioDestBase::WaveFormatGet(SDATA* pdWFEX) {
    if (pdWFEX == nullptr) return E_INVALIDARG;
    if (!hasFormat_) return AUDERR_NEEDWAVEFORMAT;
    void* copy = CoTaskMemAlloc(sizeof format_);
    if (copy == nullptr) return E_OUTOFMEMORY;
    std::memcpy(copy, &format_, sizeof format_);
    pdWFEX->pData = copy;
    pdWFEX->dwSize = sizeof format_;
    return S_OK;
}

HRESULT CAudioDestBase::PassNotify(void* pNotifyInterface, IID IIDNotifyInterface) {
    if (pNotifyInterface != nullptr && IIDNotifyInterface != IID_IAudioDestNotifySink)
        return AUDERR_INVALIDNOTIFYSINK;
    auto* sink = static_cast<IAudioDestNotifySink*>(pNotifyInterface);
    if (sink != nullptr) sink->AddRef();
    if (sink_ != nullptr) sink_->Release();
    sink_ = sink;
    return S_OK;
}

HRESULT CAudioDestBase::LevelGet(DWORD* pdwLevel) {
    if (pdwLevel == nullptr) return E_INVALIDARG;
    *pdwLevel = level_;
    return S_OK;
}

HRESULT CAudioDestBase::LevelSet(DWORD dwLevel) {
    level_ = dwLevel;
    return S_OK;
}

HRESULT CAudioDestBase::Claim() {
    if (claimed_ && unclaimPending_) {  // a new text before the last one drained
        unclaimPending_ = false;
        return S_OK;
    }
    if (claimed_) return AUDERR_ALREADYCLAIMED;
    if (!hasFormat_) return AUDERR_NEEDWAVEFORMAT;
    HRESULT hr = OpenDevice();
    if (FAILED(hr)) return hr;
    claimed_ = true;
    claimPosition_ = total_;
    claimTime_ = NowAsFileTime();
    return S_OK;
}

HRESULT CAudioDestBase::UnClaim() {
    if (!claimed_ || unclaimPending_) return AUDERR_NOTCLAIMED;
    unclaimPending_ = true;  // takes effect once everything written has played
    return S_OK;
}

HRESULT CAudioDestBase::Start() {
    if (!claimed_) return AUDERR_NOTCLAIMED;
    if (!started_) {
        started_ = true;
        SetRunning(true);
        startPending_ = true;
    }
    return S_OK;
}

HRESULT CAudioDestBase::Stop() {
    if (started_) {
        started_ = false;
        SetRunning(false);
    }
    return S_OK;
}

HRESULT CAudioDestBase::Flush() {
    if (claimed_) DiscardUnplayed();
    DeliverFlushedMarks();
    return S_OK;
}

void CAudioDestBase::DeliverFlushedMarks() {
    std::deque<PendingMark> flushed;
    flushed.swap(marks_);
    for (const PendingMark& mark : flushed)
        if (sink_ != nullptr) sink_->BookMark(mark.id, TRUE);
}

HRESULT CAudioDestBase::PosnGet(QWORD* pqwPosn) {
    if (pqwPosn == nullptr) return E_INVALIDARG;
    if (!hasFormat_) return AUDERR_NEEDWAVEFORMAT;
    // While a bookmark is delivered, the position is that of its byte: the
    // sink learns where the event is in the stream, not how far playback
    // has run on since (a file "plays" everything at once).
    *pqwPosn = deliveringMark_ ? deliveredPosition_ : claimed_ ? PlayedPosition() : total_;
    return S_OK;
}

HRESULT CAudioDestBase::TotalGet(QWORD* pqwTotal) {
    if (pqwTotal == nullptr) return E_INVALIDARG;
    if (!hasFormat_) return AUDERR_NEEDWAVEFORMAT;
    *pqwTotal = total_;
    return S_OK;
}

HRESULT CAudioDestBase::ToFileTime(QWORD* pqwPosn, FILETIME* pFT) {
    if (pqwPosn == nullptr || pFT == nullptr) return E_INVALIDARG;
    if (!hasFormat_ || format_.nAvgBytesPerSec == 0) return AUDERR_NEEDWAVEFORMAT;
    std::int64_t bytes = static_cast<std::int64_t>(*pqwPosn - claimPosition_);
    std::uint64_t base = claimTime_ != 0 ? claimTime_ : NowAsFileTime();
    std::uint64_t when =
        base + static_cast<std::uint64_t>(bytes * 10000000LL / format_.nAvgBytesPerSec);
    pFT->dwLowDateTime = static_cast<DWORD>(when);
    pFT->dwHighDateTime = static_cast<DWORD>(when >> 32);
    return S_OK;
}

DWORD CAudioDestBase::FreeBytes() {
    if (!claimed_) return bufferSize_;
    QWORD unplayed = total_ - PlayedPosition();
    return unplayed >= bufferSize_ ? 0 : static_cast<DWORD>(bufferSize_ - unplayed);
}

HRESULT CAudioDestBase::FreeSpace(DWORD* pdwBytes, BOOL* pfEOF) {
    if (pdwBytes == nullptr || pfEOF == nullptr) return E_INVALIDARG;
    *pfEOF = AtEndOfFile() ? TRUE : FALSE;
    *pdwBytes = *pfEOF ? 0 : FreeBytes();
    lastReportedFree_ = *pdwBytes;
    return S_OK;
}

HRESULT CAudioDestBase::DataSet(void* pBuffer, DWORD dwSize) {
    if (pBuffer == nullptr && dwSize != 0) return E_INVALIDARG;
    if (!claimed_) return AUDERR_NOTCLAIMED;
    if (dwSize == 0) return S_OK;
    if (dwSize > FreeBytes()) return AUDERR_NOTENOUGHDATA;  // more than the buffer holds
    HRESULT hr = WriteDevice(pBuffer, dwSize);
    if (FAILED(hr)) return hr;
    total_ += dwSize;
    // The engine's own write is no news to it; what playback frees after it
    // is, even when that brings the room back to what the engine last saw.
    lastReportedFree_ = FreeBytes();
    return S_OK;
}

HRESULT CAudioDestBase::BookMark(DWORD dwMarkID) {
    marks_.push_back({total_, dwMarkID});
    return S_OK;
}

int CAudioDestBase::DeliverPlayedMarks(QWORD played) {
    int sent = 0;
    while (!marks_.empty() && marks_.front().position <= played) {
        DWORD id = marks_.front().id;
        deliveredPosition_ = marks_.front().position;
        marks_.pop_front();
        deliveringMark_ = true;
        if (sink_ != nullptr) sink_->BookMark(id, FALSE);
        deliveringMark_ = false;
        ++sent;
        // The sink may have written more, flushed or unclaimed meanwhile.
        if (claimed_) played = PlayedPosition();
    }
    return sent;
}

bool CAudioDestBase::IsIdle() {
    QWORD played = claimed_ ? PlayedPosition() : total_;
    return played >= total_ && marks_.empty() && !startPending_ && !unclaimPending_;
}

int CAudioDestBase::Pump() {
    int sent = 0;
    AddRef();  // a sink may release the last outside reference meanwhile
    BeforePump();
    if (startPending_) {
        startPending_ = false;
        if (sink_ != nullptr) sink_->AudioStart();
        ++sent;
    }
    QWORD played = claimed_ ? PlayedPosition() : total_;
    sent += DeliverPlayedMarks(played);
    if (claimed_ && sink_ != nullptr && !(strict_ && unclaimPending_)) {
        DWORD free = FreeBytes();
        BOOL eof = AtEndOfFile() ? TRUE : FALSE;
        if (strict_ ? free > lastReportedFree_ : free != lastReportedFree_) {
            lastReportedFree_ = free;
            sink_->FreeSpace(free, eof);
            ++sent;
        }
    }
    // Only after the free-space report: the engine may still add its
    // end-of-text mark, which must play before the device closes.
    if (claimed_ && unclaimPending_ && PlayedPosition() >= total_ && marks_.empty()) {
        unclaimPending_ = false;
        claimed_ = false;
        started_ = false;
        SetRunning(false);
        CloseDevice();
        if (sink_ != nullptr) sink_->AudioStop(IANSRSN_NODATA);
        ++sent;
    }
    Release();
    return sent;
}
