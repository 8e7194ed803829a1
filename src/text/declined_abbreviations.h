// Abbreviations read in the form the sentence needs: "przy ul. Długiej" is
// "przy ulicy Długiej", "w woj. mazowieckim" "w województwie mazowieckim",
// "kościół św. Anny" "kościół świętej Anny", "tzw. okazja" "tak zwana
// okazja", "u prof. Nowaka" "u profesora Nowaka". The case comes from the
// preposition before the abbreviation and the ending of the word after it;
// where neither tells, the plain reading (the dictionary's) holds.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// `word` is the abbreviation, lower-cased, with its period when it has one;
// `text` the request text and `start` the abbreviation's first character in
// it; `rest` the text after the abbreviation. The words to say (Windows-1250,
// blank-separated), or nothing when the abbreviation is not declined here.
std::optional<std::string> ReadDeclinedAbbreviation(const std::string& word, const char* text,
                                                    uint32_t start, const char* rest);
