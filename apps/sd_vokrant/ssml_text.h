// SSML as speech-dispatcher hands it to a module, turned into Vokrant's own
// tagged text: marks become numbered bookmark tags, breaks pause tags,
// prosody rate and volume speed and volume tags (restored at the element's
// end), say-as characters the spell mode; entities are decoded. Markup that
// is not understood is dropped and its content read; a backslash of the text
// is kept from starting a tag. Malformed markup never fails: what cannot be
// parsed is read as text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct SSsmlState {
    int speed = 80;            // the rate the text starts with (speed scale)
    unsigned volume = 0xFFFF;  // the volume it starts with
    bool spellMode = false;    // the spell mode it starts with
};

struct STaggedText {
    std::string text;                    // UTF-8 with Vokrant tags
    std::vector<std::string> markNames;  // bookmark n carries markNames[n - 1]
};

STaggedText SsmlToTaggedText(std::string_view ssml, const SSsmlState& start);

// A plain text made safe to speak as tagged text (backslashes cannot start tags).
std::string EscapeTags(std::string_view text);
