// Which grammatical case a preposition gives the number after it: "około
// pięćdziesięciu", "z trzema", "o godzinie ósmej". Some prepositions govern
// one case before a clock hour and another (or none we can tell) before a
// count: "o 50%" is an accusative, "o godz. 8" a locative.
#pragma once

#include <string>

#include "resources/ordinal_words.h"

enum class SGrammaticalCase {
    kNominative,
    kGenitive,
    kDative,
    kAccusative,
    kInstrumental,
    kLocative
};

// What the number after the preposition stands for: a count, a clock hour,
// or a noun phrase (a year with "r.", an abbreviated noun such as "ul.").
enum class SGovernedNumber { kCount, kClockHour, kNoun };

// The case after a lower-cased preposition (Windows-1250, abbreviated forms
// such as "ok." included); kNominative when the word governs no case we can
// rely on. "z" is left out: it takes the genitive or the instrumental, and
// only the noun after the number tells which.
SGrammaticalCase CaseAfterPreposition(const std::string& word, SGovernedNumber number);

// The other case a preposition may give a noun phrase, told apart only by
// the words after it: "w" is locative ("w województwie") or accusative ("w
// aleję"), "z" genitive ("z ulicy") or instrumental ("z profesorem").
// kNominative when there is none.
SGrammaticalCase AlternativeNounCase(const std::string& word);

// True when the word is a preposition of the table.
bool IsGoverningPreposition(const std::string& word);

// True for the cases whose numeral differs from the plain (nominative)
// reading: a count in the accusative is read as today.
bool ChangesCount(SGrammaticalCase grammaticalCase);

// The same case in the vocabulary of the ordinal and adjective endings.
SCase AdjectiveCaseOf(SGrammaticalCase grammaticalCase);
