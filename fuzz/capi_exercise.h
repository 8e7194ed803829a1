// Speaks one arbitrary input through the C interface and checks the events
// against the header's contract: audio in order and in 10 ms pieces, every
// mark at the sample delivered so far, word offsets on character starts
// inside the caller's text, no bookmark from untagged text, exactly one end
// as the last event of a text spoken to its end, nothing after a stop. The
// first bytes choose the flags, a few settings by name and when the callback
// asks to stop; the rest is the text. A broken promise aborts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "vokrant/vokrant.h"

namespace capi_exercise {

constexpr size_t kControlBytes = 3;
constexpr size_t kLargestPiece = 221;  // 10 ms at 22050 Hz, rounded up

[[noreturn]] inline void Broken(const char* promise) {
    std::fprintf(stderr, "C interface contract broken: %s\n", promise);
    std::abort();
}

struct SContractChecker {
    const char* text = nullptr;
    size_t length = 0;
    bool utf8 = true;
    bool tagged = false;
    uint64_t stopAtEvent = 0;  // 0: never ask to stop

    uint64_t samples = 0;
    uint64_t events = 0;
    int ends = 0;
    bool stopAsked = false;

    int OnEvent(const vokrant_event& event) {
        if (stopAsked) Broken("an event after the callback asked to stop");
        if (ends != 0) Broken("an event after the end");
        if (event.sample_position != samples) Broken("sample_position is not the samples so far");
        switch (event.type) {
            case VOKRANT_EVENT_AUDIO:
                if (event.samples == nullptr || event.sample_count == 0) Broken("empty audio");
                if (event.sample_count > kLargestPiece) Broken("audio piece above 10 ms");
                samples += event.sample_count;
                break;
            case VOKRANT_EVENT_WORD:
                if (event.text_offset > length) Broken("word offset beyond the text");
                if (utf8 && event.text_offset < length &&
                    (static_cast<unsigned char>(text[event.text_offset]) & 0xC0) == 0x80)
                    Broken("word offset inside a UTF-8 character");
                break;
            case VOKRANT_EVENT_BOOKMARK:
                if (!tagged) Broken("a bookmark from untagged text");
                break;
            case VOKRANT_EVENT_END:
                ++ends;
                break;
            default:
                Broken("unknown event type");
        }
        if (++events == stopAtEvent) {
            stopAsked = true;
            return 1;
        }
        return 0;
    }

    void CheckResult(int status) const {
        switch (status) {
            case VOKRANT_OK:
                if (ends != 1) Broken("a text spoken to its end has one end event");
                break;
            case VOKRANT_STOPPED:
                if (!stopAsked) Broken("stopped without being asked");
                break;
            case VOKRANT_ERROR_TEXT:
                if (events != 0 || !utf8) Broken("a refused text delivered events");
                break;
            case VOKRANT_ERROR_SPEAK:  // a sound file a tag names cannot be read
                if (!tagged) Broken("untagged text failed to speak");
                break;
            default:
                Broken("unexpected status");
        }
    }
};

inline int CheckEvent(const vokrant_event* event, void* checker) {
    return static_cast<SContractChecker*>(checker)->OnEvent(*event);
}

// One handle per process; each input sets every setting it varies, so the
// handle's settings never depend on the inputs before it.
inline vokrant* SharedHandle(const char* voiceDir) {
    static vokrant* handle = [&] {
        int status = 0;
        vokrant* made = vokrant_new(voiceDir, nullptr, &status);
        if (made == nullptr) std::abort();  // the shipped voice must load
        return made;
    }();
    return handle;
}

inline void ApplySettings(vokrant* handle, uint8_t b) {
    static const char* const kSpeeds[] = {"40", "80", "200", "100000"};
    vokrant_set(handle, "Speed", kSpeeds[b & 3]);
    vokrant_set(handle, "ForceTagSensitivity", (b & 4) ? "Yes" : "No");
    vokrant_set(handle, "ExtendedReading", (b & 8) ? "Yes" : "No");
    vokrant_set(handle, "ReadInterpunction", (b & 16) ? "Yes" : "No");
    vokrant_set_switch(handle, VOKRANT_SWITCH_SPELL_MODE, (b & 32) != 0);
    vokrant_set(handle, "Volume", (b & 64) ? "65536" : "65535");  // the first is refused
}

inline void ExerciseCApi(const uint8_t* data, size_t size, const char* voiceDir) {
    if (size < kControlBytes) return;
    vokrant* handle = SharedHandle(voiceDir);
    ApplySettings(handle, data[1]);
    SContractChecker checker;
    checker.text = reinterpret_cast<const char*>(data + kControlBytes);
    checker.length = size - kControlBytes;
    checker.utf8 = (data[0] & VOKRANT_TEXT_CP1250) == 0;
    checker.tagged = (data[0] & VOKRANT_TEXT_TAGGED) != 0;
    checker.stopAtEvent = data[2];
    const unsigned flags = data[0] & (VOKRANT_TEXT_CP1250 | VOKRANT_TEXT_TAGGED);
    const int status =
        vokrant_speak(handle, checker.text, checker.length, flags, CheckEvent, &checker);
    checker.CheckResult(status);
}

}  // namespace capi_exercise
