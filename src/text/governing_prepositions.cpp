#include "text/governing_prepositions.h"

#include <vector>

#include "platform/codepage.h"

namespace {

using C = SGrammaticalCase;

struct SPrepositionRow {
    const char* word;
    SGrammaticalCase count;
    SGrammaticalCase clockHour;
    SGrammaticalCase noun;
    SGrammaticalCase nounAlternative;
};

// Our own list, from ordinary Polish grammar. A preposition whose case
// depends on the meaning ("o 5%" by how much, "o 5" at what hour) has the
// nominative for the reading it cannot tell apart. The noun columns are the
// case of a noun phrase after it, the usual one first.
const SPrepositionRow kRows[] = {
    {"około", C::kGenitive, C::kGenitive, C::kGenitive, C::kNominative},
    {"ok.", C::kGenitive, C::kGenitive, C::kGenitive, C::kNominative},
    {"ok", C::kGenitive, C::kGenitive, C::kGenitive, C::kNominative},
    {"do", C::kGenitive, C::kGenitive, C::kGenitive, C::kNominative},
    {"od", C::kGenitive, C::kGenitive, C::kGenitive, C::kNominative},
    {"ode", C::kGenitive, C::kGenitive, C::kGenitive, C::kNominative},
    {"bez", C::kGenitive, C::kGenitive, C::kGenitive, C::kNominative},
    {"dla", C::kGenitive, C::kGenitive, C::kGenitive, C::kNominative},
    {"u", C::kGenitive, C::kNominative, C::kGenitive, C::kNominative},
    {"koło", C::kGenitive, C::kGenitive, C::kGenitive, C::kNominative},
    {"obok", C::kGenitive, C::kNominative, C::kGenitive, C::kNominative},
    {"wzdłuż", C::kGenitive, C::kNominative, C::kGenitive, C::kNominative},
    {"naprzeciwko", C::kGenitive, C::kNominative, C::kGenitive, C::kNominative},
    {"spod", C::kGenitive, C::kNominative, C::kGenitive, C::kNominative},
    {"zza", C::kGenitive, C::kNominative, C::kGenitive, C::kNominative},
    {"wśród", C::kGenitive, C::kNominative, C::kGenitive, C::kNominative},
    {"spośród", C::kGenitive, C::kNominative, C::kGenitive, C::kNominative},
    {"powyżej", C::kGenitive, C::kGenitive, C::kGenitive, C::kNominative},
    {"poniżej", C::kGenitive, C::kGenitive, C::kGenitive, C::kNominative},
    {"sprzed", C::kGenitive, C::kGenitive, C::kGenitive, C::kNominative},
    {"według", C::kGenitive, C::kNominative, C::kGenitive, C::kNominative},
    {"wg", C::kGenitive, C::kNominative, C::kGenitive, C::kNominative},
    // The noun of "w ciągu", "w trakcie", "z powodu", "w wyniku" stands
    // before the number as the preposition.
    {"ciągu", C::kGenitive, C::kNominative, C::kGenitive, C::kNominative},
    {"trakcie", C::kGenitive, C::kNominative, C::kGenitive, C::kNominative},
    {"powodu", C::kGenitive, C::kNominative, C::kGenitive, C::kNominative},
    {"wyniku", C::kGenitive, C::kNominative, C::kGenitive, C::kNominative},
    {"podczas", C::kGenitive, C::kGenitive, C::kGenitive, C::kNominative},
    {"oprócz", C::kGenitive, C::kNominative, C::kGenitive, C::kNominative},
    {"zamiast", C::kGenitive, C::kNominative, C::kGenitive, C::kNominative},
    {"wokół", C::kGenitive, C::kNominative, C::kGenitive, C::kNominative},
    {"niedaleko", C::kGenitive, C::kNominative, C::kGenitive, C::kNominative},
    {"blisko", C::kGenitive, C::kNominative, C::kGenitive, C::kNominative},
    {"dookoła", C::kGenitive, C::kNominative, C::kGenitive, C::kNominative},
    {"spoza", C::kGenitive, C::kNominative, C::kGenitive, C::kNominative},
    // Nouns of a measure take the amount in the genitive: "w wysokości
    // 500 zł", "o masie 12 t", "w odległości 5 km".
    {"wysokości", C::kGenitive, C::kNominative, C::kNominative, C::kNominative},
    {"masie", C::kGenitive, C::kNominative, C::kNominative, C::kNominative},
    {"wadze", C::kGenitive, C::kNominative, C::kNominative, C::kNominative},
    {"długości", C::kGenitive, C::kNominative, C::kNominative, C::kNominative},
    {"szerokości", C::kGenitive, C::kNominative, C::kNominative, C::kNominative},
    {"odległości", C::kGenitive, C::kNominative, C::kNominative, C::kNominative},
    {"powierzchni", C::kGenitive, C::kNominative, C::kNominative, C::kNominative},
    {"pojemności", C::kGenitive, C::kNominative, C::kNominative, C::kNominative},
    {"wartości", C::kGenitive, C::kNominative, C::kNominative, C::kNominative},
    {"kwocie", C::kGenitive, C::kNominative, C::kNominative, C::kNominative},
    {"kwoty", C::kGenitive, C::kNominative, C::kNominative, C::kNominative},
    {"z", C::kNominative, C::kNominative, C::kGenitive, C::kInstrumental},
    {"ze", C::kNominative, C::kNominative, C::kGenitive, C::kInstrumental},
    {"dzięki", C::kDative, C::kNominative, C::kDative, C::kNominative},
    {"ku", C::kDative, C::kDative, C::kDative, C::kNominative},
    {"przeciw", C::kDative, C::kNominative, C::kDative, C::kNominative},
    {"przeciwko", C::kDative, C::kNominative, C::kDative, C::kNominative},
    {"przed", C::kInstrumental, C::kInstrumental, C::kInstrumental, C::kAccusative},
    {"nad", C::kInstrumental, C::kNominative, C::kInstrumental, C::kAccusative},
    {"pod", C::kNominative, C::kNominative, C::kInstrumental, C::kAccusative},
    {"między", C::kInstrumental, C::kInstrumental, C::kInstrumental, C::kAccusative},
    {"za", C::kNominative, C::kNominative, C::kAccusative, C::kInstrumental},
    {"o", C::kNominative, C::kLocative, C::kLocative, C::kAccusative},
    {"po", C::kNominative, C::kLocative, C::kLocative, C::kAccusative},
    {"przy", C::kLocative, C::kNominative, C::kLocative, C::kNominative},
    {"w", C::kNominative, C::kNominative, C::kLocative, C::kAccusative},
    {"we", C::kNominative, C::kNominative, C::kLocative, C::kAccusative},
    {"na", C::kNominative, C::kAccusative, C::kLocative, C::kAccusative},
    {"przez", C::kNominative, C::kNominative, C::kAccusative, C::kNominative},
};

struct SPreposition {
    std::string word;
    SPrepositionRow cases;
};

const std::vector<SPreposition>& Prepositions() {
    static const std::vector<SPreposition> list = [] {
        std::vector<SPreposition> converted;
        for (const SPrepositionRow& row : kRows) converted.push_back({Utf8ToCp1250(row.word), row});
        return converted;
    }();
    return list;
}

const SPrepositionRow* Find(const std::string& word) {
    for (const SPreposition& preposition : Prepositions())
        if (preposition.word == word) return &preposition.cases;
    return nullptr;
}

}  // namespace

SGrammaticalCase CaseAfterPreposition(const std::string& word, SGovernedNumber number) {
    const SPrepositionRow* row = Find(word);
    if (!row) return SGrammaticalCase::kNominative;
    switch (number) {
        case SGovernedNumber::kCount:
            return row->count;
        case SGovernedNumber::kClockHour:
            return row->clockHour;
        case SGovernedNumber::kNoun:
            break;
    }
    return row->noun;
}

SGrammaticalCase AlternativeNounCase(const std::string& word) {
    const SPrepositionRow* row = Find(word);
    return row ? row->nounAlternative : SGrammaticalCase::kNominative;
}

bool IsGoverningPreposition(const std::string& word) {
    return Find(word) != nullptr;
}

bool ChangesCount(SGrammaticalCase grammaticalCase) {
    return grammaticalCase != SGrammaticalCase::kNominative &&
           grammaticalCase != SGrammaticalCase::kAccusative;
}

SCase AdjectiveCaseOf(SGrammaticalCase grammaticalCase) {
    switch (grammaticalCase) {
        case C::kGenitive:
            return SCase::Genitive;
        case C::kDative:
            return SCase::Dative;
        case C::kAccusative:
            return SCase::Accusative;
        case C::kInstrumental:
            return SCase::Instrumental;
        case C::kLocative:
            return SCase::Locative;
        case C::kNominative:
            break;
    }
    return SCase::Nominative;
}
