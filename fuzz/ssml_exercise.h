// Converts one arbitrary SSML message as the speech-dispatcher module does
// and checks that no client text turned into a tag: every backslash of the
// result either is disarmed (a blank follows it) or opens one of the tags the
// converter writes itself, with a number, closed at once; bookmarks are
// numbered 1, 2, ... as their names were collected; no mark name can break
// out of the one protocol line it is sent in. A broken promise aborts.
#pragma once

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "ssml_text.h"

namespace ssml_exercise {

[[noreturn]] inline void Injected(const char* what, std::string_view at) {
    std::fprintf(stderr, "SSML conversion: %s at \"%.*s\"\n", what,
                 static_cast<int>(std::min<size_t>(at.size(), 40)), at.data());
    std::abort();
}

// The length of the converter's own tag at the start of `text` ("\Spd=120\"),
// or 0 when `text` does not start with one. `number` receives its value.
inline size_t OwnTag(std::string_view text, uint64_t& number) {
    static constexpr std::string_view kNames[] = {"Mrk=", "Pau=", "Spd=", "Vol=", "RmS="};
    for (std::string_view name : kNames) {
        if (text.substr(1, name.size()) != name) continue;
        size_t at = 1 + name.size(), digits = 0;
        number = 0;
        for (; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])); ++at) {
            if (++digits > 9) return 0;
            number = number * 10 + static_cast<uint64_t>(text[at] - '0');
        }
        if (digits == 0 || at >= text.size() || text[at] != '\\') return 0;
        return at + 1;
    }
    return 0;
}

inline void CheckTaggedText(const STaggedText& tagged) {
    const std::string_view text = tagged.text;
    uint64_t marks = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') continue;
        if (i + 1 < text.size() && text[i + 1] == ' ') continue;  // disarmed
        uint64_t number = 0;
        const size_t length = OwnTag(text.substr(i), number);
        if (length == 0) Injected("a backslash the converter did not write", text.substr(i));
        if (text.substr(i + 1, 4) == "Mrk=" && number != ++marks)
            Injected("a bookmark out of sequence", text.substr(i));
        i += length - 1;
    }
    if (marks != tagged.markNames.size()) Injected("bookmarks and names disagree", text);
    for (const std::string& name : tagged.markNames)
        if (name.find_first_of("\r\n") != std::string::npos)
            Injected("a mark name that breaks its protocol line", name);
}

// The first byte chooses the state the text starts in; the rest is SSML.
inline void ExerciseSsml(const uint8_t* data, size_t size) {
    if (size < 1) return;
    SSsmlState start;
    start.speed = (data[0] & 1) ? 200 : 80;
    start.volume = (data[0] & 2) ? 0x4000 : 0xFFFF;
    start.spellMode = (data[0] & 4) != 0;
    const std::string_view ssml(reinterpret_cast<const char*>(data + 1), size - 1);
    CheckTaggedText(SsmlToTaggedText(ssml, start));
    CheckTaggedText({EscapeTags(ssml), {}});
}

}  // namespace ssml_exercise
