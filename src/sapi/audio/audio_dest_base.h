// Common machinery of the host-side audio destinations: IAudio and
// IAudioDest over a byte stream whose playback position a subclass reports.
//
// Positions are byte counts of everything ever written (they never
// decrease). A bookmark is placed at the current total and delivered when
// the played position reaches it. Notifications (bookmarks, free space,
// audio start and stop) are never sent from inside the engine's own calls:
// the host delivers them on its own thread by calling Pump(), as a message
// loop would, so the engine is never re-entered.
#pragma once

#include <deque>
#include <string>

#include "sapi/sapi4.h"

class CAudioDestBase : public IAudio, public IAudioDest {
public:
    CAudioDestBase(const CAudioDestBase&) = delete;
    CAudioDestBase& operator=(const CAudioDestBase&) = delete;

    // IUnknown (shared by both interfaces).
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IAudio
    HRESULT STDMETHODCALLTYPE Flush() override;
    HRESULT STDMETHODCALLTYPE LevelGet(DWORD* pdwLevel) override;
    HRESULT STDMETHODCALLTYPE LevelSet(DWORD dwLevel) override;
    HRESULT STDMETHODCALLTYPE PassNotify(void* pNotifyInterface, IID IIDNotifyInterface) override;
    HRESULT STDMETHODCALLTYPE PosnGet(QWORD* pqwPosn) override;
    HRESULT STDMETHODCALLTYPE Claim() override;
    HRESULT STDMETHODCALLTYPE UnClaim() override;
    HRESULT STDMETHODCALLTYPE Start() override;
    HRESULT STDMETHODCALLTYPE Stop() override;
    HRESULT STDMETHODCALLTYPE TotalGet(QWORD* pqwTotal) override;
    HRESULT STDMETHODCALLTYPE ToFileTime(QWORD* pqwPosn, FILETIME* pFT) override;
    HRESULT STDMETHODCALLTYPE WaveFormatGet(SDATA* pdWFEX) override;
    HRESULT STDMETHODCALLTYPE WaveFormatSet(SDATA dWFEX) override;

    // IAudioDest
    HRESULT STDMETHODCALLTYPE FreeSpace(DWORD* pdwBytes, BOOL* pfEOF) override;
    HRESULT STDMETHODCALLTYPE DataSet(void* pBuffer, DWORD dwSize) override;
    HRESULT STDMETHODCALLTYPE BookMark(DWORD dwMarkID) override;

    // Delivers, on the caller's thread, every notification that is due:
    // audio start, bookmarks whose byte has been played, a change of free
    // space, and audio stop once an UnClaim has drained. Returns how many
    // notifications were sent.
    int Pump();
    // One round of a host's loop: waits up to `timeoutMs` for playback to
    // move on where there is something to wait for (a sound device), then
    // delivers what is due like Pump(). Returns the notifications sent. A
    // destination that plays instantly does not wait.
    virtual int WaitAndPump(int /*timeoutMs*/) { return Pump(); }

    bool IsClaimed() const { return claimed_; }
    bool IsStarted() const { return started_; }
    // Everything written has been played and nothing is pending.
    bool IsIdle();
    QWORD Total() const { return total_; }
    const WAVEFORMATEX& Format() const { return format_; }
    bool HasFormat() const { return hasFormat_; }
    DWORD BufferSize() const { return bufferSize_; }
    // Strict: only the notifications a host's destination is documented to
    // send. FreeSpace then reports only room that playback freed, at most
    // once per Pump, and not at all once UnClaim was called, so the engine
    // cannot rely on a report after the device has drained.
    void SetStrict(bool strict) { strict_ = strict; }

protected:
    explicit CAudioDestBase(DWORD bufferSize);
    virtual ~CAudioDestBase();

    // Extra interfaces of a subclass (IAudioFile); null when not offered.
    virtual void* QueryExtra(REFIID) { return nullptr; }

    // Device operations. Open/Close bracket a claim; a failed Open fails Claim.
    virtual HRESULT OpenDevice() = 0;
    virtual void CloseDevice() = 0;
    virtual HRESULT WriteDevice(const void* data, DWORD bytes) = 0;
    // Bytes of the total played so far (at most Total()).
    virtual QWORD PlayedPosition() = 0;
    // Drops every unplayed byte; afterwards PlayedPosition() == Total().
    virtual void DiscardUnplayed() = 0;
    virtual void SetRunning(bool /*running*/) {}
    // Called first in every Pump(): a destination whose playback happens in
    // the host's loop advances it here.
    virtual void BeforePump() {}
    virtual bool AtEndOfFile() { return false; }
    // Whether a format can be played; PCM 8/16 bit, 1 or 2 channels by default.
    virtual bool AcceptsFormat(const WAVEFORMATEX& format) const;

    void SetBufferSize(DWORD bytes) { bufferSize_ = bytes; }
    void DeliverFlushedMarks();

private:
    struct PendingMark {
        QWORD position;
        DWORD id;
    };

    DWORD FreeBytes();
    int DeliverPlayedMarks(QWORD played);

    ULONG refCount_ = 0;
    DWORD bufferSize_;
    DWORD level_ = 0xFFFF;
    IAudioDestNotifySink* sink_ = nullptr;
    WAVEFORMATEX format_{};
    bool hasFormat_ = false;
    bool claimed_ = false;
    bool started_ = false;
    bool unclaimPending_ = false;
    bool startPending_ = false;
    QWORD total_ = 0;
    QWORD claimPosition_ = 0;
    std::uint64_t claimTime_ = 0;  // FILETIME units at the claim
    std::deque<PendingMark> marks_;
    bool deliveringMark_ = false;
    QWORD deliveredPosition_ = 0;
    DWORD lastReportedFree_ = 0xFFFFFFFF;
    bool strict_ = false;
};
