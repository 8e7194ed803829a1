// The sound side of one Speak call: the site's Write in pieces of at most
// 50 ms, the linear volume applied to them, the events added at the byte
// they mark, and the site's actions polled before every piece. Once the
// site aborts, answers SP_AUDIO_STOPPED or fails, nothing more is written.
#pragma once

#include <cstdint>

#include "sapi5/sapi5_ddk.h"

class SSiteOutput {
public:
    static constexpr uint32_t kSampleRate = 22050;
    // 50 ms of 16-bit mono at 22050 Hz: the most written between two polls.
    static constexpr uint32_t kPieceBytes = kSampleRate / 20 * 2;

    // Reads the event interest and the pending rate and volume.
    explicit SSiteOutput(ISpTTSEngineSite& site);

    // True when the site asked for events of this kind (bookmarks are
    // wanted also when the site cannot say).
    bool Wants(SPEVENTENUM id) const;
    // Adds one event at the current byte. False once speaking has ended.
    bool AddEvent(SPEVENTENUM id, WPARAM wParam, LPARAM lParam, bool lParamIsString = false);

    // Writes 16-bit samples, scaled by the volume. False once speaking has ended.
    bool WritePcm(const unsigned char* data, uint32_t bytes);
    // Writes `ms` milliseconds of silence.
    bool WriteSilence(uint32_t ms);

    // Polls GetActions; reads a new rate or volume; remembers abort and skip.
    void PollActions();
    bool Ended() const { return ended_; }
    // The Speak result: S_OK, or the failure of the site's Write.
    HRESULT Result() const { return result_; }

    // The site's rate baseline (SAPI steps) and whether it changed since asked.
    long BaseRate() const { return baseRate_; }
    bool TakeRateChange();
    // The fragment's volume, per cent; multiplied with the site's volume.
    void SetFragmentVolume(unsigned percent) { fragmentVolume_ = percent; }

    // A skip the site asked for and the engine has not handled yet.
    bool SkipPending() const { return skipPending_; }
    // Reads the skip (sentences; 0 restarts the current one). False when the
    // site cannot say or asks for another kind: then it is completed as none.
    bool TakeSkip(long& sentences);
    void CompleteSkip(long done);

    uint64_t BytesWritten() const { return bytes_; }

private:
    bool WritePiece(const unsigned char* data, uint32_t bytes);
    void End(HRESULT result);

    ISpTTSEngineSite& site_;
    ULONGLONG interest_ = 0;
    bool interestKnown_ = false;
    long baseRate_ = 0;
    bool rateChanged_ = false;
    unsigned siteVolume_ = 100;
    unsigned fragmentVolume_ = 100;
    bool skipPending_ = false;
    bool ended_ = false;
    HRESULT result_ = S_OK;
    uint64_t bytes_ = 0;
};
