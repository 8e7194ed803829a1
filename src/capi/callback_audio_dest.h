// The audio destination of the C interface: hands the engine's PCM to the
// caller's callback in pieces of at most kPieceSamples, and turns the marks
// placed between the bytes into word, bookmark and end events at the sample
// they belong to. Once stopped (by vokrant_stop or the callback's answer) it
// refuses all data, so the engine's step returns at once.
#pragma once

#include <atomic>
#include <cstdint>

#include "capi/engine_text.h"
#include "core/audio_dest.h"
#include "vokrant/vokrant.h"

class SCallbackAudioDest : public SAudioDest {
public:
    // 10 ms at 22050 Hz: how much sound can still come out after a stop.
    static constexpr uint32_t kPieceSamples = 220;

    SCallbackAudioDest(const SEngineText& text, vokrant_callback callback, void* userData,
                       const std::atomic<bool>& stopRequested)
        : text_(text), callback_(callback), userData_(userData), stopRequested_(stopRequested) {}

    uint32_t FreeSpace() override;
    bool DataSet(const void* data, uint32_t bytes) override;
    bool BookMark(uint32_t mark) override;

    // Delivers the end-of-text event (unless stopped).
    void Finish();
    bool Stopped() const { return stopped_ || stopRequested_.load(std::memory_order_relaxed); }
    uint64_t SamplesDelivered() const { return samples_; }

private:
    bool Deliver(vokrant_event& event);
    bool DeliverSamples(const int16_t* samples, size_t count);

    const SEngineText& text_;
    vokrant_callback callback_;
    void* userData_;
    const std::atomic<bool>& stopRequested_;
    bool stopped_ = false;
    uint64_t samples_ = 0;
    bool haveOddByte_ = false;
    unsigned char oddByte_ = 0;
};
