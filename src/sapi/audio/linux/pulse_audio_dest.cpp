#include "sapi/audio/linux/pulse_audio_dest.h"

#include <pulse/pulseaudio.h>

#include <algorithm>
#include <chrono>
#include <new>
#include <thread>

namespace {

// Holds the main-loop lock for a scope.
class LoopLock {
public:
    explicit LoopLock(pa_threaded_mainloop* loop) : loop_(loop) {
        pa_threaded_mainloop_lock(loop_);
    }
    ~LoopLock() { pa_threaded_mainloop_unlock(loop_); }
    LoopLock(const LoopLock&) = delete;
    LoopLock& operator=(const LoopLock&) = delete;

private:
    pa_threaded_mainloop* loop_;
};

void SignalLoop(pa_threaded_mainloop* loop) {
    pa_threaded_mainloop_signal(loop, 0);
}

void OnContextState(pa_context*, void* loop) {
    SignalLoop(static_cast<pa_threaded_mainloop*>(loop));
}
void OnStreamState(pa_stream*, void* loop) {
    SignalLoop(static_cast<pa_threaded_mainloop*>(loop));
}
// Lets an operation run on without waiting for its answer.
void ForgetOperation(pa_operation* op) {
    if (op != nullptr) pa_operation_unref(op);
}

constexpr int kPumpSliceMs = 5;
constexpr pa_usec_t kTargetLatencyUs = 200 * 1000;
// Timing is asked for at most this often; a bookmark is late by about as much.
constexpr std::int64_t kTimingRefreshMs = 10;
// A server that leaves a timing request this long unanswered has hung (a
// local one answers within a millisecond); judged before the sink's stall,
// which a hung server would look like too.
constexpr std::int64_t kServerSilenceMs = 2000;
// A running sink reads a stream every few hundred milliseconds at most (its
// latency); one that holds our data this long without reading has stopped.
constexpr std::int64_t kSinkStallMs = 5000;

std::int64_t NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

CPulseAudioDest* CPulseAudioDest::Create(std::string* error, DWORD bufferSize) {
    auto* dest = new (std::nothrow) CPulseAudioDest(bufferSize);
    if (dest == nullptr) {
        if (error != nullptr) *error = "out of memory";
        return nullptr;
    }
    dest->AddRef();
    std::string reason;
    if (!dest->Connect(&reason)) {
        if (error != nullptr) *error = reason;
        dest->Release();
        return nullptr;
    }
    return dest;
}

bool CPulseAudioDest::Connect(std::string* error) {
    loop_ = pa_threaded_mainloop_new();
    if (loop_ == nullptr) {
        *error = "cannot start the sound server connection";
        return false;
    }
    context_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), "vokrant");
    if (context_ == nullptr) {
        *error = "cannot create a sound server context";
        return false;
    }
    pa_context_set_state_callback(context_, OnContextState, loop_);
    if (pa_threaded_mainloop_start(loop_) < 0) {
        *error = "cannot start the sound server connection";
        return false;
    }
    LoopLock lock(loop_);
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        *error = std::string("no sound server: ") + pa_strerror(pa_context_errno(context_));
        return false;
    }
    for (;;) {
        pa_context_state_t state = pa_context_get_state(context_);
        if (state == PA_CONTEXT_READY) return true;
        if (!PA_CONTEXT_IS_GOOD(state)) {
            *error = std::string("no sound server: ") + pa_strerror(pa_context_errno(context_));
            return false;
        }
        pa_threaded_mainloop_wait(loop_);
    }
}

CPulseAudioDest::~CPulseAudioDest() {
    DeliverFlushedMarks();
    if (loop_ != nullptr) {
        {
            LoopLock lock(loop_);
            CloseStream();
            if (context_ != nullptr) {
                pa_context_disconnect(context_);
                pa_context_unref(context_);
                context_ = nullptr;
            }
        }
        pa_threaded_mainloop_stop(loop_);
        pa_threaded_mainloop_free(loop_);
    }
}

HRESULT CPulseAudioDest::OpenDevice() {
    LoopLock lock(loop_);
    return OpenStream();
}

HRESULT CPulseAudioDest::OpenStream() {
    const WAVEFORMATEX& f = Format();
    pa_sample_spec sampleFormat{};
    sampleFormat.format = f.wBitsPerSample == 8 ? PA_SAMPLE_U8 : PA_SAMPLE_S16LE;
    sampleFormat.rate = f.nSamplesPerSec;
    sampleFormat.channels = static_cast<std::uint8_t>(f.nChannels);
    stream_ = pa_stream_new(context_, "speech", &sampleFormat, nullptr);
    if (stream_ == nullptr) {
        error_ = pa_strerror(pa_context_errno(context_));
        return AUDERR_NODRIVER;
    }
    pa_stream_set_state_callback(stream_, OnStreamState, loop_);
    pa_buffer_attr attr;
    attr.maxlength = static_cast<std::uint32_t>(-1);
    attr.tlength = static_cast<std::uint32_t>(pa_usec_to_bytes(kTargetLatencyUs, &sampleFormat));
    attr.prebuf = static_cast<std::uint32_t>(-1);
    attr.minreq = static_cast<std::uint32_t>(-1);
    attr.fragsize = static_cast<std::uint32_t>(-1);
    // No interpolation: the library's interpolated clock stops when the
    // stream runs dry and never reaches the last byte of a text.
    auto flags =
        static_cast<pa_stream_flags_t>(PA_STREAM_AUTO_TIMING_UPDATE | PA_STREAM_ADJUST_LATENCY |
                                       (running_ ? 0 : PA_STREAM_START_CORKED));
    if (pa_stream_connect_playback(stream_, nullptr, &attr, flags, nullptr, nullptr) < 0) {
        error_ = pa_strerror(pa_context_errno(context_));
        CloseStream();
        return AUDERR_NODRIVER;
    }
    for (;;) {
        pa_stream_state_t state = pa_stream_get_state(stream_);
        if (state == PA_STREAM_READY) break;
        if (!PA_STREAM_IS_GOOD(state)) {
            error_ = pa_strerror(pa_context_errno(context_));
            CloseStream();
            return AUDERR_NODRIVER;
        }
        pa_threaded_mainloop_wait(loop_);
    }
    streamBase_ = handed_;
    streamWritten_ = 0;
    lastReadIndex_ = -1;
    lastConsumedAt_ = NowMs();
    return S_OK;
}

void CPulseAudioDest::CloseStream() {
    if (stream_ == nullptr) return;
    pa_stream_set_state_callback(stream_, nullptr, nullptr);
    // A timing request still on its way is for the stream we drop.
    if (timingRequest_ != nullptr) {
        pa_operation_cancel(timingRequest_);
        pa_operation_unref(timingRequest_);
        timingRequest_ = nullptr;
    }
    pa_stream_disconnect(stream_);
    pa_stream_unref(stream_);
    stream_ = nullptr;
}

void CPulseAudioDest::CloseDevice() {
    LoopLock lock(loop_);
    CloseStream();
    pending_.clear();
}

HRESULT CPulseAudioDest::WriteDevice(const void* data, DWORD bytes) {
    const auto* p = static_cast<const std::uint8_t*>(data);
    pending_.insert(pending_.end(), p, p + bytes);
    Feed();
    return S_OK;
}

void CPulseAudioDest::Feed() {
    if (pending_.empty() || loop_ == nullptr) return;
    LoopLock lock(loop_);
    if (stream_ == nullptr && OpenStream() != S_OK) return;
    std::size_t writable = pa_stream_writable_size(stream_);
    if (writable == static_cast<std::size_t>(-1) || writable == 0) return;
    std::size_t n = std::min(writable, pending_.size());
    if (pa_stream_write(stream_, pending_.data(), n, nullptr, 0, PA_SEEK_RELATIVE) < 0) return;
    streamWritten_ += n;
    handed_ += n;
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(n));
    // Start at once even below the prebuffer level: the last bytes of a
    // text would otherwise wait for data that never comes.
    if (running_) ForgetOperation(pa_stream_trigger(stream_, nullptr, nullptr));
}

void CPulseAudioDest::RefreshTiming() {
    if (stream_ == nullptr || pa_stream_get_state(stream_) != PA_STREAM_READY) return;
    if (TimingRequestPending()) return;
    std::int64_t now = NowMs();
    if (now - timingRequestedAt_ < kTimingRefreshMs) return;
    timingRequest_ = pa_stream_update_timing_info(stream_, nullptr, nullptr);
    if (timingRequest_ != nullptr) timingRequestedAt_ = now;
}

bool CPulseAudioDest::TimingRequestPending() {
    if (timingRequest_ == nullptr) return false;
    if (pa_operation_get_state(timingRequest_) == PA_OPERATION_RUNNING) return true;
    pa_operation_unref(timingRequest_);
    timingRequest_ = nullptr;
    return false;
}

std::int64_t CPulseAudioDest::HeardOnStream() {
    const pa_timing_info* timing = pa_stream_get_timing_info(stream_);
    if (timing == nullptr || timing->read_index_corrupt) return -1;
    const pa_sample_spec* spec = pa_stream_get_sample_spec(stream_);
    std::int64_t read = std::max<std::int64_t>(timing->read_index, 0);
    if (!running_ || pa_stream_is_suspended(stream_) == 1) return read;
    // What the sink has read but not yet played. Once the stream has run dry
    // for as long as that buffer lasts, the sink has played all of it.
    auto buffered = static_cast<std::int64_t>(pa_usec_to_bytes(timing->sink_usec, spec));
    if (!timing->playing)
        buffered -= timing->since_underrun < 0 ? buffered : timing->since_underrun;
    return std::max<std::int64_t>(read - std::max<std::int64_t>(buffered, 0), 0);
}

QWORD CPulseAudioDest::PlayedPosition() {
    LoopLock lock(loop_);
    if (stream_ == nullptr) {
        lastPlayed_ = std::max(lastPlayed_, handed_);
        return lastPlayed_;
    }
    RefreshTiming();
    std::int64_t heard = HeardOnStream();
    if (heard >= 0) {
        QWORD played = streamBase_ + std::min<QWORD>(static_cast<QWORD>(heard), streamWritten_);
        lastPlayed_ = std::max(lastPlayed_, played);
    }
    return lastPlayed_;
}

void CPulseAudioDest::NoteConsumption(const pa_timing_info* timing) {
    std::int64_t now = NowMs();
    bool holdsData =
        !pending_.empty() || (timing != nullptr && timing->read_index < timing->write_index);
    bool expectedToRead = running_ && holdsData && pa_stream_is_suspended(stream_) != 1 &&
                          pa_stream_is_corked(stream_) != 1;
    if (timing != nullptr && timing->read_index != lastReadIndex_) {
        lastReadIndex_ = timing->read_index;
        lastConsumedAt_ = now;
    }
    if (!expectedToRead) lastConsumedAt_ = now;
}

std::string CPulseAudioDest::StallReason() {
    if (loop_ == nullptr) return "no sound server";
    LoopLock lock(loop_);
    if (context_ == nullptr || !PA_CONTEXT_IS_GOOD(pa_context_get_state(context_)))
        return "the connection to the sound server was lost";
    if (stream_ == nullptr)
        return pending_.empty() ? std::string()
               : error_.empty() ? "cannot open the sound device"
                                : error_;
    if (!PA_STREAM_IS_GOOD(pa_stream_get_state(stream_)))
        return "the sound server ended the playback stream";
    if (TimingRequestPending() && NowMs() - timingRequestedAt_ > kServerSilenceMs)
        return "the sound server stopped answering";
    const pa_timing_info* timing = pa_stream_get_timing_info(stream_);
    NoteConsumption(timing);
    if (NowMs() - lastConsumedAt_ > kSinkStallMs) return "the sound device stopped playing";
    return std::string();
}

void CPulseAudioDest::DiscardUnplayed() {
    // A fresh stream restarts the clock at the current total; flushing the
    // old one in place would move its read index backwards under us.
    LoopLock lock(loop_);
    pending_.clear();
    CloseStream();
    handed_ = Total();
    streamWritten_ = 0;
    lastPlayed_ = Total();
}

void CPulseAudioDest::SetRunning(bool running) {
    running_ = running;
    if (loop_ == nullptr) return;
    LoopLock lock(loop_);
    if (stream_ == nullptr) return;
    // Not waited for: the server takes commands in order, and a server that
    // has hung must not hold the host here (the stall verdict reports it).
    ForgetOperation(pa_stream_cork(stream_, running ? 0 : 1, nullptr, nullptr));
    if (running && streamWritten_ > 0)
        ForgetOperation(pa_stream_trigger(stream_, nullptr, nullptr));
}

int CPulseAudioDest::WaitAndPump(int timeoutMs) {
    Feed();
    int slept = 0;
    QWORD before = PlayedPosition();
    while (slept < timeoutMs && PlayedPosition() == before && !IsIdle()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(kPumpSliceMs));
        slept += kPumpSliceMs;
    }
    return Pump();
}
