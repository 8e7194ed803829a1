// A destination for tests: nothing is heard; the test decides how many bytes
// have been played by advancing a play clock, and can change the buffer size
// or report end of file at any time. Every byte written is kept so that tests
// can inspect the stream.
#pragma once

#include <cstdint>
#include <vector>

#include "sapi/audio/audio_dest_base.h"

class CSimulatedAudioDest final : public CAudioDestBase {
public:
    // The new object carries one reference, owned by the caller.
    static CSimulatedAudioDest* Create(DWORD bufferSize);

    // Plays up to `bytes` unplayed bytes (only while started), then delivers
    // what is due. Returns the bytes played.
    DWORD Advance(DWORD bytes);
    // Plays everything written so far and delivers.
    DWORD PlayAll() { return Advance(0xFFFFFFFF); }
    // A host's loop round plays everything written so far at once, as a file does.
    int WaitAndPump(int timeoutMs) override;

    void ResizeBuffer(DWORD bytes) { SetBufferSize(bytes); }
    void SetEndOfFile(bool eof) { endOfFile_ = eof; }
    void FailNextClaim(HRESULT hr) { claimFailure_ = hr; }
    // Start on a device already started answers AUDERR_ALREADYSTARTED, as
    // some hosts' devices do.
    void AnswerAlreadyStarted(bool answer) { answerAlreadyStarted_ = answer; }

    HRESULT STDMETHODCALLTYPE Start() override;

    QWORD Played() const { return played_; }
    const std::vector<std::uint8_t>& Written() const { return written_; }
    int ClaimCount() const { return claimCount_; }

private:
    explicit CSimulatedAudioDest(DWORD bufferSize) : CAudioDestBase(bufferSize) {}
    ~CSimulatedAudioDest() override = default;

    HRESULT OpenDevice() override;
    void CloseDevice() override {}
    HRESULT WriteDevice(const void* data, DWORD bytes) override;
    QWORD PlayedPosition() override { return played_; }
    void DiscardUnplayed() override { played_ = Total(); }
    bool AtEndOfFile() override { return endOfFile_; }

    QWORD played_ = 0;
    bool endOfFile_ = false;
    HRESULT claimFailure_ = S_OK;
    bool answerAlreadyStarted_ = false;
    int claimCount_ = 0;
    std::vector<std::uint8_t> written_;
};
