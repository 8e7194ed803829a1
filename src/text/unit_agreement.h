// Number-noun agreement: which form of a unit a number takes, the numeral in
// the unit's gender, and the unit written after a number.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "resources/unit_words.h"

// The unit's form after a number: the count forms of whole numbers (1, 2-4
// but not 12-14, the rest), the genitive singular after a fraction.
const std::string& UnitForm(const SUnitWord& unit, int64_t integer, bool hasFraction);

// Cardinal words of a non-negative integer in a gender: "jedna", "dwie" for
// feminine, "jedno" for neuter, as the plain masculine reading otherwise
// ("dwadzieścia jeden" stays). Each word followed by a blank.
std::string GenderedIntegerWords(int64_t n, SGender gender);

// The unit written at `position`, directly or after one blank: the unit and
// the position after its writing. A writing ending in a letter must not be
// followed by a letter or digit.
struct SUnitMatch {
    const SUnitWord* unit;
    uint32_t end;
};
std::optional<SUnitMatch> ScanUnit(const char* text, uint32_t position);
