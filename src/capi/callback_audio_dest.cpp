#include "capi/callback_audio_dest.h"

#include <cstring>

#include "core/bookmark.h"

namespace {
// The engine never holds more than one chunk; this only bounds a step.
constexpr uint32_t kRoom = 1u << 20;
}  // namespace

uint32_t SCallbackAudioDest::FreeSpace() {
    return Stopped() ? 0 : kRoom;
}

bool SCallbackAudioDest::Deliver(vokrant_event& event) {
    if (Stopped()) return false;
    event.sample_position = samples_;
    if (callback_(&event, userData_) != 0) stopped_ = true;
    return true;
}

bool SCallbackAudioDest::DeliverSamples(const int16_t* samples, size_t count) {
    for (size_t done = 0; done < count;) {
        const size_t piece = std::min<size_t>(kPieceSamples, count - done);
        vokrant_event event{};
        event.type = VOKRANT_EVENT_AUDIO;
        event.samples = samples + done;
        event.sample_count = piece;
        if (!Deliver(event)) return false;
        samples_ += piece;
        done += piece;
    }
    return true;
}

bool SCallbackAudioDest::DataSet(const void* data, uint32_t bytes) {
    if (Stopped()) return false;
    const auto* in = static_cast<const unsigned char*>(data);
    // Samples are copied to aligned storage; a byte left over waits for its pair.
    int16_t buffer[kPieceSamples];
    uint32_t at = 0;
    while (at < bytes) {
        size_t count = 0;
        if (haveOddByte_) {
            unsigned char pair[2] = {oddByte_, in[at++]};
            std::memcpy(&buffer[count++], pair, 2);
            haveOddByte_ = false;
        }
        while (count < kPieceSamples && bytes - at >= 2) {
            std::memcpy(&buffer[count++], in + at, 2);
            at += 2;
        }
        if (count < kPieceSamples && bytes - at == 1) {
            oddByte_ = in[at++];
            haveOddByte_ = true;
        }
        if (count > 0 && !DeliverSamples(buffer, count)) return false;
    }
    return true;
}

bool SCallbackAudioDest::BookMark(uint32_t mark) {
    if (Stopped()) return false;
    const SDecodedMark decoded = DecodeMark(mark);
    vokrant_event event{};
    switch (decoded.kind) {
        case SMarkKind::WordStart:
            event.type = VOKRANT_EVENT_WORD;
            event.text_offset = SourceOffset(text_, decoded.value);
            return Deliver(event);
        case SMarkKind::UserBookmark:
            event.type = VOKRANT_EVENT_BOOKMARK;
            event.bookmark = decoded.value;
            return Deliver(event);
        default:
            return true;  // attribute, allophone and end marks are not part of the interface
    }
}

void SCallbackAudioDest::Finish() {
    vokrant_event event{};
    event.type = VOKRANT_EVENT_END;
    Deliver(event);
}
