// Which grammatical case a preposition gives the number after it: "około
// pięćdziesięciu", "z trzema", "o godzinie ósmej". Some prepositions govern
// one case before a clock hour and another (or none we can tell) before a
// count: "o 50%" is an accusative, "o godz. 8" a locative.
#pragma once

#include <string>

enum class SGrammaticalCase {
    kNominative,
    kGenitive,
    kDative,
    kAccusative,
    kInstrumental,
    kLocative
};

// What the number after the preposition stands for.
enum class SGovernedNumber { kCount, kClockHour };

// The case after a lower-cased preposition (Windows-1250, abbreviated forms
// such as "ok." included); kNominative when the word governs no case we can
// rely on. "z" is left out: it takes the genitive or the instrumental, and
// only the noun after the number tells which.
SGrammaticalCase CaseAfterPreposition(const std::string& word, SGovernedNumber number);

// True for the cases whose numeral differs from the plain (nominative)
// reading: a count in the accusative is read as today.
bool ChangesCount(SGrammaticalCase grammaticalCase);
