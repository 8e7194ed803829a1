// Abbreviations whose reading changes with the sentence: nouns said in the
// case a preposition gives them ("przy ul." is "przy ulicy"), adjectives
// that agree with the noun after them ("tzw. okazja" is "tak zwana okazja")
// and titles before a name ("u prof. Nowaka" is "u profesora Nowaka").
// Windows-1250.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "resources/unit_words.h"

enum class SAbbreviationKind {
    kNoun,       // a noun of its own gender, in the case the sentence gives
    kAgreeing,   // an adjective taking the gender and case of the next noun
    kTitle,      // a title before a name: declined for a man, not for a woman
};

struct SAbbreviationForms {
    std::string written;  // lower-case, with its period when it has one: "ul.", "dr"
    SAbbreviationKind kind;
    SGender gender;
    // Nouns and titles: the singular forms in the order nominative, genitive,
    // dative, accusative, instrumental, locative; the plural forms the same
    // way, or empty when the noun is not used in the plural.
    std::array<std::string, 6> singular;
    std::array<std::string, 6> plural;
    // Agreeing adjectives: words before the declined one ("tak ") and the
    // adjective's stem ("zwan").
    std::string leadingWords;
    std::string stem;
    // After a noun without a preposition the abbreviation is that noun's
    // genitive ("Urząd Gminy", "Starostwo Powiatu").
    bool attributive = false;
};

const std::vector<SAbbreviationForms>& AbbreviationForms();

// Given names of women as they stand in the nominative ("anna", "maria"),
// lower-case: a title before them is not declined and "św." before them is
// feminine.
const std::vector<std::string>& FeminineGivenNames();
// Men's given names that end in -a, -y or -i in the nominative ("jerzy",
// "antoni", "kuba"), lower-case, which the endings alone would misread.
const std::vector<std::string>& MasculineNamesWithVowelEnding();
