// --marks: one JSON line per notification the component delivers, with
// its byte position in the output stream and that position in milliseconds.
#pragma once

#include <cstdint>
#include <cstdio>

#include "sapi/host/speech_session.h"

class SMarkReport {
public:
    // `bytesPerSecond` of the output stream; `attributes` answers the value
    // of a changed speed, pitch or volume (may be null).
    SMarkReport(std::FILE* out, uint32_t bytesPerSecond, ITTSAttributesW* attributes)
        : out_(out),
          bytesPerSecond_(bytesPerSecond ? bytesPerSecond : 44100),
          attributes_(attributes) {}

    // Word offsets that follow count from this character of the whole text
    // (the start of the piece being spoken).
    void SetWordBase(uint64_t characters) { wordBase_ = characters; }

    // Writes the line of one event; `position` is the stream position the
    // host's destination reports for events that carry none.
    void Report(const SSpeechEvent& event, uint64_t position);

private:
    void Write(uint64_t byte, const char* type, int64_t value);
    int64_t AttributeValue(DWORD attribute) const;

    std::FILE* out_;
    uint32_t bytesPerSecond_;
    uint64_t wordBase_ = 0;
    ITTSAttributesW* attributes_;
};
