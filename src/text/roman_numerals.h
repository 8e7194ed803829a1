// Roman numerals where Polish text uses them: centuries ("w XX wieku"),
// rulers and popes ("Jan Paweł II"), numbered parts ("rozdział III") and
// ordinals before a noun ("II wojna"). They are read as ordinals agreeing
// with the noun that shows their case. A Roman-looking word without such a
// neighbour (MIX, CD, XL) is not a numeral, and a lone "I" is one only right
// after a ruler's name or a part's name.
#pragma once

#include <optional>
#include <string>

// The value of a numeral in strict form (no "IIII", "IC" or "VX"), 1..3999.
std::optional<int> ParseRoman(const std::string& word);

// What surrounds the word: the previous word of the sentence and the word
// after it in the text, each lower-cased, with nextEndsWithPeriod when a '.'
// follows the next word directly ("w." for "wieku").
struct SRomanContext {
    std::string previous;
    std::string next;
    bool nextEndsWithPeriod = false;
};

// The ordinal's words (Windows-1250, blank-separated), or nothing when the
// word is not a numeral here.
std::optional<std::string> ReadRomanNumeral(const std::string& word, const SRomanContext& context);
