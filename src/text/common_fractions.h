// Common fractions written with a slash: "1/3" is "jedna trzecia", "3/4"
// "trzy czwarte", "1/2" "pół", in the case the sentence gives them: after a
// verb that takes the accusative "zjadł 1/3 tortu" is "zjadł jedną trzecią
// tortu", after a preposition its case ("do 1/3" "do jednej trzeciej", "o
// 1/4" by how much: "o jedną czwartą"). Dates ("1/2/2024"), addresses
// ("Długa 2/5") and ratios ("24/7") are no fractions. Windows-1250.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "text/governing_prepositions.h"
#include "text/number_compounds.h"

// The digits of `value` at `start` end at `numberEnd`, followed by '/' and a
// denominator: a common fraction when the numerator is below the
// denominator (2..100) and nothing makes it a date, an address or a ratio.
std::optional<SCompoundReading> ReadCommonFraction(const char* text, uint32_t start, int64_t value,
                                                   uint32_t numberEnd);

// The words of numerator/denominator in a case (the numerator 1..99 below
// the denominator 2..100).
std::string FractionWordsIn(int64_t numerator, int denominator, SGrammaticalCase grammaticalCase);
