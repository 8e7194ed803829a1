// An acronym with its case ending after a hyphen ("NFZ-etu", "PKS-em",
// "ZUS-ie"): Polish writes the ending as it is heard after the last
// letter's name, so the acronym is spelled as usual and the ending joins
// that name ("en ef zetu", "pe ka esem"); an acronym said as a word takes
// the ending as one word ("zusie"). Used only by the extended reading.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

class SAttribute;
class SSpell;
class SWordSink;

// The last letter's name with the ending joined to it. An ending that
// repeats the name's vowel after its letter replaces the rest of the name
// ("zet" + "etu" is "zetu", "zet" + "ecie" "zecie"); any other ending
// follows the whole name ("es" + "em" is "esem").
std::string JoinLetterNameAndEnding(const std::string& letterName, const std::string& ending);

// `acronym` ends just before the hyphen at text[hyphen]. When an ending of
// lower-case letters follows the hyphen and ends the word, appends the
// reading and returns the position after the ending; otherwise appends
// nothing.
std::optional<uint32_t> ReadInflectedAcronym(const std::string& acronym, const char* text,
                                             uint32_t hyphen, const SAttribute& switches,
                                             const SSpell& spell, SWordSink& sink);
