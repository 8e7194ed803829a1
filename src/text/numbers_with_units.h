// A number with a unit, a currency or a counted noun after it, agreeing
// with it: "dwa złote", "dwie tony", "3,49 zł" as złote and grosze, "pół
// litra", "półtorej tony", "1 mln" as "milion", "5 tys. zł" with what the
// thousands count in the genitive plural. Used by the extended reading.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "resources/unit_words.h"
#include "text/number_text.h"

// The number's words with the integer in the unit's gender.
std::string NumberWords(const SNumberText& number, SGender gender);

// A unit, currency or counted noun after the number.
std::optional<SNumberReading> ReadNumberWithUnit(const char* text, const SNumberText& number);

// "5 tys. zł": what a thousand counts is in the genitive plural. `end` is
// after the multiplier, and moves past the counted unit.
void AddCountedUnit(const char* text, std::string& words, uint32_t& end);
