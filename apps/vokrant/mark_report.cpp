#include "mark_report.h"

#include <string>

#include "json_lines.h"

void SMarkReport::Write(uint64_t byte, const char* type, int64_t value) {
    SJsonLine line;
    line.Key("byte").Number(static_cast<int64_t>(byte));
    line.Key("ms").Number(static_cast<int64_t>(byte * 1000 / bytesPerSecond_));
    line.Key("type").String(type);
    line.Key("value").Number(value);
    std::string text = line.Finish();
    std::fwrite(text.data(), 1, text.size(), out_);
}

int64_t SMarkReport::AttributeValue(DWORD attribute) const {
    if (attributes_ == nullptr) return 0;
    WORD pitch = 0;
    DWORD value = 0;
    switch (attribute) {
        case TTSNSAC_PITCH:
            return SUCCEEDED(attributes_->PitchGet(&pitch)) ? pitch : 0;
        case TTSNSAC_SPEED:
            return SUCCEEDED(attributes_->SpeedGet(&value)) ? value : 0;
        case TTSNSAC_VOLUME:
            return SUCCEEDED(attributes_->VolumeGet(&value)) ? value & 0xFFFF : 0;
        default:
            return 0;
    }
}

void SMarkReport::Report(const SSpeechEvent& event, uint64_t position) {
    using Kind = SSpeechEvent::Kind;
    switch (event.kind) {
        // The Unicode face counts word offsets in bytes of UTF-16; the report
        // counts characters, as the text was given.
        case Kind::Word:
            Write(event.timeStamp, "word", static_cast<int64_t>(wordBase_ + event.value / 2));
            break;
        case Kind::Bookmark:
            Write(event.timeStamp, "bookmark", event.value);
            break;
        case Kind::Attribute: {
            const char* type = event.value == TTSNSAC_SPEED    ? "speed"
                               : event.value == TTSNSAC_PITCH  ? "pitch"
                               : event.value == TTSNSAC_VOLUME ? "volume"
                                                               : nullptr;
            if (type != nullptr) Write(position, type, AttributeValue(event.value));
            break;
        }
        // A mouth shape per sound; the rest shape at audio start and stop is no allophone.
        case Kind::Visual:
            if (event.value != 0) Write(event.timeStamp, "allophone", event.value);
            break;
        case Kind::Done:
            Write(event.timeStamp, "end", event.value);
            break;
        default:
            break;
    }
}
