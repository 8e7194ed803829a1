#include "speak.h"

#include "engine/audio_dest.h"
#include "engine/bookmark.h"
#include "engine/tts_engine.h"
#include "json_lines.h"

namespace {

const char* MarkType(SMarkKind kind) {
    switch (kind) {
        case SMarkKind::UserBookmark: return "bookmark";
        case SMarkKind::Volume: return "volume";
        case SMarkKind::Speed: return "speed";
        case SMarkKind::Pitch: return "pitch";
        case SMarkKind::Allophone: return "allophone";
        case SMarkKind::WordStart: return "word";
        case SMarkKind::EndOfText: return "end";
    }
    return "unknown";
}

}  // namespace

std::string SpeakRequest(STtsEngine& engine, const std::string& cp1250Text, SAudioDest& dest,
                         const std::function<bool()>& destinationFailed) {
    engine.StartRequest(std::string_view(cp1250Text));
    for (;;) {
        int step = engine.SpeakStep(true, false);
        if (destinationFailed()) return "the output stopped taking data";
        // A destination that is never full makes one step speak everything;
        // a full one (cannot happen here) is simply stepped again.
        if (step != STtsEngine::kDestinationFull) break;
    }
    dest.BookMark(kEndOfTextMark);
    return "";
}

void WriteMarkJson(std::FILE* out, uint32_t mark, uint64_t bytePosition, uint32_t sampleRate) {
    SDecodedMark decoded = DecodeMark(mark);
    uint64_t bytesPerSecond = 2ull * (sampleRate ? sampleRate : 22050);
    SJsonLine line;
    line.Key("byte").Number(static_cast<int64_t>(bytePosition));
    line.Key("ms").Number(static_cast<int64_t>(bytePosition * 1000 / bytesPerSecond));
    line.Key("type").String(MarkType(decoded.kind));
    line.Key("value").Number(decoded.value);
    std::string text = line.Finish();
    std::fwrite(text.data(), 1, text.size(), out);
}
