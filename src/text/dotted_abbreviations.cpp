#include "text/dotted_abbreviations.h"

#include <cstring>

#include "model/chars.h"
#include "resources/dotted_abbreviations.h"
#include "text/word_sink.h"

namespace {

bool StartsWith(const char* text, const std::string& prefix) {
    // Every word start is tried against the whole table: the first byte rules
    // out almost every entry without a call.
    return !prefix.empty() && text[0] == prefix[0] &&
           std::strncmp(text, prefix.c_str(), prefix.size()) == 0;
}

// The sentence goes on after the final period when a lower-case word, a
// digit or a comma follows.
bool SentenceGoesOn(const char* after) {
    if (*after == ',') return true;
    if (*after != ' ') return false;
    const unsigned char next = static_cast<unsigned char>(after[1]);
    return IsLowerLetter(next) || IsDigitChar(next);
}

}  // namespace

bool ReadDottedAbbreviation(const char* text, uint32_t& position, SWordSink& sink) {
    const char* start = text + position;
    for (const SDottedAbbreviation& entry : DottedAbbreviations()) {
        if (!StartsWith(start, entry.written)) continue;
        const char* after = start + entry.written.size();
        if (IsWordChar(static_cast<unsigned char>(*after))) continue;
        size_t consumed = entry.written.size();
        if (!SentenceGoesOn(after)) --consumed;  // the period ends the sentence
        sink.AppendText(entry.expansion, std::string(start, start + consumed));
        position += static_cast<uint32_t>(consumed);
        return true;
    }
    return false;
}
