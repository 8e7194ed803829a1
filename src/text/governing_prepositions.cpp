#include "text/governing_prepositions.h"

#include <vector>

#include "platform/codepage.h"

namespace {

using C = SGrammaticalCase;

struct SPrepositionRow {
    const char* word;
    SGrammaticalCase count;
    SGrammaticalCase clockHour;
};

// Our own list, from ordinary Polish grammar. A preposition whose case
// depends on the meaning ("o 5%" by how much, "o 5" at what hour) has the
// nominative for the reading it cannot tell apart.
const SPrepositionRow kRows[] = {
    {"około", C::kGenitive, C::kGenitive},
    {"ok.", C::kGenitive, C::kGenitive},
    {"ok", C::kGenitive, C::kGenitive},
    {"do", C::kGenitive, C::kGenitive},
    {"od", C::kGenitive, C::kGenitive},
    {"bez", C::kGenitive, C::kGenitive},
    {"dla", C::kGenitive, C::kGenitive},
    {"u", C::kGenitive, C::kNominative},
    {"koło", C::kGenitive, C::kGenitive},
    {"wśród", C::kGenitive, C::kNominative},
    {"spośród", C::kGenitive, C::kNominative},
    {"powyżej", C::kGenitive, C::kGenitive},
    {"poniżej", C::kGenitive, C::kGenitive},
    {"sprzed", C::kGenitive, C::kGenitive},
    {"według", C::kGenitive, C::kNominative},
    {"dzięki", C::kDative, C::kNominative},
    {"ku", C::kDative, C::kDative},
    {"przeciw", C::kDative, C::kNominative},
    {"przeciwko", C::kDative, C::kNominative},
    {"przed", C::kInstrumental, C::kInstrumental},
    {"nad", C::kInstrumental, C::kNominative},
    {"między", C::kInstrumental, C::kInstrumental},
    {"o", C::kNominative, C::kLocative},
    {"po", C::kNominative, C::kLocative},
    {"przy", C::kLocative, C::kNominative},
    {"na", C::kNominative, C::kAccusative},
};

struct SPreposition {
    std::string word;
    SGrammaticalCase count;
    SGrammaticalCase clockHour;
};

const std::vector<SPreposition>& Prepositions() {
    static const std::vector<SPreposition> list = [] {
        std::vector<SPreposition> converted;
        for (const SPrepositionRow& row : kRows)
            converted.push_back({Utf8ToCp1250(row.word), row.count, row.clockHour});
        return converted;
    }();
    return list;
}

}  // namespace

SGrammaticalCase CaseAfterPreposition(const std::string& word, SGovernedNumber number) {
    for (const SPreposition& preposition : Prepositions())
        if (preposition.word == word)
            return number == SGovernedNumber::kCount ? preposition.count : preposition.clockHour;
    return SGrammaticalCase::kNominative;
}

bool ChangesCount(SGrammaticalCase grammaticalCase) {
    return grammaticalCase != SGrammaticalCase::kNominative &&
           grammaticalCase != SGrammaticalCase::kAccusative;
}
