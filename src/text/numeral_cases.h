// Cardinal numerals declined for the cases a preposition gives them:
// "około dwudziestu pięciu", "z trzema", "dla dwóch tysięcy". Every word of
// a compound number is declined; a "jeden" ending a compound stays as it is
// ("dwudziestu jeden").
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "resources/unit_words.h"
#include "text/governing_prepositions.h"

// The largest count the declension tables cover.
constexpr int64_t kMaxDeclinedCount = 999999;

// Words of n (1..kMaxDeclinedCount) in the genitive, dative, instrumental or
// locative, each followed by a blank (Windows-1250); the gender chooses the
// forms of a lone "jeden" and of "dwa" in the instrumental. Nothing for the
// nominative and accusative (the plain reading holds) or a count outside
// the tables.
std::optional<std::string> DeclinedCardinalWords(int64_t n, SGrammaticalCase grammaticalCase,
                                                 SGender gender);
