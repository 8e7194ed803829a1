// Units, currencies and counted nouns that agree with a number before them:
// their gender and their forms after 1, after 2-4 (not 12-14), after every
// other whole number, and after a fraction. Windows-1250.
#pragma once

#include <string>
#include <vector>

enum class SGender { Masculine, Feminine, Neuter };

struct SUnitForms {
    std::string one;       // jeden złoty
    std::string few;       // dwa złote
    std::string many;      // pięć złotych
    std::string fraction;  // dwa i pół złotego
};

struct SUnitWord {
    std::vector<std::string> writings;  // as written after the number: "zł", "PLN"
    SGender gender;
    SUnitForms forms;
    // The unit read for two fraction digits (grosz after złoty), or -1.
    int minorUnit = -1;
    // tys., mln, mld: a unit after it is always in the genitive plural.
    bool multiplier = false;
    // A noun already written out: only the numeral's gender follows it, the
    // word itself is read as written.
    bool writtenOut = false;
};

// Symbols and abbreviations first, then written-out nouns; a writing that
// ends with a letter must be followed by a non-letter to match.
const std::vector<SUnitWord>& UnitWords();
