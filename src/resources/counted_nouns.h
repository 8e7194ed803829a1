// Nouns counted in everyday text, with what a numeral before them must
// agree with: their gender, whether they name men (personal numerals:
// "dwóch braci", "dwaj bracia"), animals (an animate accusative: "jednego
// psa") or take collective numerals ("troje dzieci"), and the forms a
// number stands before. Windows-1250, lower-case.
#pragma once

#include <string>
#include <vector>

#include "resources/unit_words.h"

enum class SNounKind { kThing, kAnimal, kPerson, kCollective };

struct SCountedNoun {
    SGender gender;
    SNounKind kind;
    std::string nominative;        // jeden brat
    std::string genitive;          // jednego brata
    std::string accusative;        // jedną siostrę, jednego brata
    std::string nominativePlural;  // dwaj bracia, dwie siostry
    std::string genitivePlural;    // pięciu braci, pięć sióstr
};

const std::vector<SCountedNoun>& CountedNouns();

// Endings of the nominative plural that only feminine nouns have
// ("stacje", "możliwości", "koleżanki"): "dwie" before them.
const std::vector<std::string>& FemininePluralEndings();
