// "godz." before a clock hour, said in the case the preposition before it
// gives: "o godz. 8" is "o godzinie ósmej", "przed godz. 8" "przed godziną
// ósmą". Before a range of hours it is plural ("w godz. 10–18" is "w
// godzinach od dziesiątej do osiemnastej"). Otherwise the dictionary's
// reading holds.
#pragma once

#include <optional>
#include <string>

#include "text/governing_prepositions.h"

// True for the written forms of "godzina" that may stand before a clock hour
// ("godz.", "godz", "godzinie" ...), lower-cased, Windows-1250.
bool IsHourWord(const std::string& word);

// "godzina" in a case (Windows-1250).
const std::string& HourNounIn(SGrammaticalCase hourCase);

// The reading of the abbreviation `word` ("godz." or "godz", lower-cased)
// when the sentence's previous word is a preposition governing the hour and
// the text after it (`rest`) goes on with a number; nothing otherwise.
std::optional<std::string> GovernedHourNoun(const std::string& word,
                                            const std::string& previousWord, const char* rest);
