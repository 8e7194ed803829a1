// Stems of the Polish ordinal numerals and the endings that make a case and
// gender of them, plus the words around numbers that decide how they are
// read (months, rulers' names, counted nouns before a Roman numeral).
// Windows-1250.
#pragma once

#include <string>
#include <vector>

#include "resources/unit_words.h"

// The cases of an ordinal or adjective. A masculine accusative is read as
// the nominative (an inanimate noun); an animate one asks for the genitive.
enum class SCase { Nominative, Genitive, Dative, Accusative, Instrumental, Locative };

// Stems of 1..19 ("pierwsz", "drug", "trzeci", ...), of the tens 20..90
// ("dwudziest" ...) and of the hundreds 100..900 ("setn" ...). A compound
// ordinal inflects every part: "dwudziestego pierwszego".
const std::string& OrdinalUnitStem(int n);      // 1..19
const std::string& OrdinalTensStem(int tens);   // 2..9
const std::string& OrdinalHundredsStem(int h);  // 1..9

// The ending of a stem for a gender and case: hard stems ("pierwsz-y"), velar
// stems that soften before e and y ("drug-i", "drug-iego") and soft stems
// already ending in i ("trzeci", "trzeci-ego").
std::string OrdinalEnding(const std::string& stem, SGender gender, SCase grammaticalCase);
// The same endings in the plural of every gender but masculine persons
// ("tak zwane", "tak zwanych", "tak zwanymi").
std::string PluralEnding(const std::string& stem, SCase grammaticalCase);

// A word that names a Roman-numbered thing before the numeral ("rozdział",
// "w rozdziale"): its written form, and the gender and case the numeral takes.
struct SNumberedNoun {
    std::string form;
    SGender gender;
    SCase grammaticalCase;
};
const std::vector<SNumberedNoun>& NumberedNounsBefore();
// The same after the numeral ("wiek", "wieku", "wojna", "wojny").
const std::vector<SNumberedNoun>& NumberedNounsAfter();

// Given names of rulers and popes that take a Roman numeral after them, the
// masculine ones and the feminine ones.
const std::vector<std::string>& RulerNames(SGender gender);
