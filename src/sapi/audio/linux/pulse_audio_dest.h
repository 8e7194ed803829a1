// The sound device: a PulseAudio playback stream (PipeWire serves the same
// protocol). Free space is what is left of our buffer after the bytes not yet
// played; the played position comes from the server's own account of the
// stream (how far the sink has read it, less what still waits in the sink's
// buffer), refreshed while the host pumps, so a bookmark is delivered when
// its byte is actually heard (give or take one refresh).
//
// Whether the device has stopped is the server's verdict too: a lost
// connection, a dead stream, a server that no longer answers, or a running,
// unsuspended sink that has stopped reading data it holds. A suspended sink
// or one that is merely slow to wake is waited for.
//
// Notifications are delivered on the host's thread: the host calls
// WaitAndPump() in its loop. The server's own callbacks run on a private
// thread and only touch the stream under the main-loop lock.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sapi/audio/audio_dest_base.h"

struct pa_threaded_mainloop;
struct pa_context;
struct pa_stream;
struct pa_operation;
struct pa_timing_info;

class CPulseAudioDest final : public CAudioDestBase {
public:
    static constexpr DWORD kDefaultBuffer = 128 * 1024;

    // Connects to the default server (or $PULSE_SERVER). On failure returns
    // null with a one-line reason in *error. The new object carries one reference.
    static CPulseAudioDest* Create(std::string* error, DWORD bufferSize = kDefaultBuffer);

    // Feeds the server, waits up to `timeoutMs` for playback to move on, then
    // delivers what is due. Returns the notifications sent.
    int WaitAndPump(int timeoutMs) override;

    const std::string& LastError() const { return error_; }

    // Why playing cannot go on; empty while the device plays, waits for a
    // suspended sink, or has nothing left to play.
    std::string StallReason();

private:
    explicit CPulseAudioDest(DWORD bufferSize) : CAudioDestBase(bufferSize) {}
    ~CPulseAudioDest() override;

    bool Connect(std::string* error);
    HRESULT OpenDevice() override;
    void CloseDevice() override;
    HRESULT WriteDevice(const void* data, DWORD bytes) override;
    QWORD PlayedPosition() override;
    void DiscardUnplayed() override;
    void SetRunning(bool running) override;
    void BeforePump() override { Feed(); }

    HRESULT OpenStream();
    void CloseStream();
    // Hands the server as much of pending_ as it will take now.
    void Feed();
    // Asks the server for fresh timing unless a request is on its way or
    // the last answer is recent (main-loop lock held).
    void RefreshTiming();
    // Bytes of this stream that have left the sink, from the last timing
    // answer; -1 before the first one (main-loop lock held).
    std::int64_t HeardOnStream();
    // Restarts the stall clock while the sink is not expected to read.
    void NoteConsumption(const pa_timing_info* timing);
    // Whether the last timing request is still unanswered (lock held).
    bool TimingRequestPending();

    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    QWORD handed_ = 0;         // stream position up to which bytes went to the server
    QWORD streamBase_ = 0;     // handed_ when the stream was opened
    QWORD streamWritten_ = 0;  // bytes handed to the server on this stream
    QWORD lastPlayed_ = 0;
    bool running_ = false;
    pa_operation* timingRequest_ = nullptr;  // the last timing request, until answered
    std::int64_t timingRequestedAt_ = 0;     // steady clock, ms
    std::int64_t lastReadIndex_ = -1;        // the sink's read index at the last check
    std::int64_t lastConsumedAt_ = 0;        // when the sink last read, or could not be expected to
    std::vector<std::uint8_t> pending_;  // accepted from the engine, not yet given to the server;
                                         // handed_ + its size == Total()
    std::string error_;
};
