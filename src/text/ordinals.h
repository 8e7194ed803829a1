// Polish ordinal numerals in a gender and case: 1..999, every part of a
// compound inflected ("dwudziestym pierwszym"). Windows-1250 words, each
// followed by a blank.
#pragma once

#include <string>

#include "resources/ordinal_words.h"

// Words of the ordinal, or an empty string outside 1..999.
std::string OrdinalWords(int n, SGender gender, SCase grammaticalCase);

// The plural of the ordinal, every part inflected ("trzecie", "piątych",
// "dwudziestych pierwszych"); empty outside 1..999.
std::string OrdinalPluralWords(int n, SCase grammaticalCase);

// A year (1..2999) as the masculine ordinal that goes with "rok": the
// cardinal hundreds and thousands, then the ordinal of the rest ("tysiąc
// czterysta dziesiątym"); round years make the last part one ordinal
// ("dwutysięcznym", "tysiąc dziewięćsetnym"). Empty outside 1..2999.
std::string YearOrdinalWordsIn(int year, SCase grammaticalCase);

// "rok" in a case: "rok", "roku", "rokowi", "rokiem".
std::string YearNounIn(SCase grammaticalCase);
