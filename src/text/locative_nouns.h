// The gender of a noun in the locative singular that ends in "-e" or "-ie"
// ("kryzysie", "strefie", "państwie", "rzece"). The ending is shared by all
// three genders, so the nominative is rebuilt (undoing the consonant and
// vowel changes the ending brings: "strefie" from "strefa", "mieście" from
// "miasto", "urzędzie" from "urząd") and looked up in the noun tables. Only
// "-ce" and "-dze" ("rzece", "drodze") tell the gender by themselves: a
// masculine or neuter noun in "-k" or "-g" takes "-u" there.
#pragma once

#include <optional>
#include <string>

#include "resources/unit_words.h"

struct SLocativeGender {
    SGender gender;
    bool inTables;  // false: told by "-ce"/"-dze" alone, which a neuter
                    // nominative ("serce") also has
};

// `word` lower-cased, Windows-1250. Nothing when neither the tables nor
// the ending tell.
std::optional<SLocativeGender> GenderOfLocative(const std::string& word);
