#include "text/numeral_cases.h"

#include <vector>

#include "platform/codepage.h"

namespace {

using C = SGrammaticalCase;

// The four oblique forms of one numeral, in the order genitive, dative,
// instrumental, locative.
struct SObliqueForms {
    const char* genitive;
    const char* dative;
    const char* instrumental;
    const char* locative;
};

// Our own tables, from ordinary Polish grammar. Index 0 of each is unused.
const SObliqueForms kUnits[] = {
    {"", "", "", ""},
    {"jednego", "jednemu", "jednym", "jednym"},
    {"dwóch", "dwóm", "dwoma", "dwóch"},
    {"trzech", "trzem", "trzema", "trzech"},
    {"czterech", "czterem", "czterema", "czterech"},
    {"pięciu", "pięciu", "pięcioma", "pięciu"},
    {"sześciu", "sześciu", "sześcioma", "sześciu"},
    {"siedmiu", "siedmiu", "siedmioma", "siedmiu"},
    {"ośmiu", "ośmiu", "ośmioma", "ośmiu"},
    {"dziewięciu", "dziewięciu", "dziewięcioma", "dziewięciu"},
};
const SObliqueForms kTeens[] = {
    {"dziesięciu", "dziesięciu", "dziesięcioma", "dziesięciu"},
    {"jedenastu", "jedenastu", "jedenastoma", "jedenastu"},
    {"dwunastu", "dwunastu", "dwunastoma", "dwunastu"},
    {"trzynastu", "trzynastu", "trzynastoma", "trzynastu"},
    {"czternastu", "czternastu", "czternastoma", "czternastu"},
    {"piętnastu", "piętnastu", "piętnastoma", "piętnastu"},
    {"szesnastu", "szesnastu", "szesnastoma", "szesnastu"},
    {"siedemnastu", "siedemnastu", "siedemnastoma", "siedemnastu"},
    {"osiemnastu", "osiemnastu", "osiemnastoma", "osiemnastu"},
    {"dziewiętnastu", "dziewiętnastu", "dziewiętnastoma", "dziewiętnastu"},
};
const SObliqueForms kTens[] = {
    {"", "", "", ""},
    {"", "", "", ""},
    {"dwudziestu", "dwudziestu", "dwudziestoma", "dwudziestu"},
    {"trzydziestu", "trzydziestu", "trzydziestoma", "trzydziestu"},
    {"czterdziestu", "czterdziestu", "czterdziestoma", "czterdziestu"},
    {"pięćdziesięciu", "pięćdziesięciu", "pięćdziesięcioma", "pięćdziesięciu"},
    {"sześćdziesięciu", "sześćdziesięciu", "sześćdziesięcioma", "sześćdziesięciu"},
    {"siedemdziesięciu", "siedemdziesięciu", "siedemdziesięcioma", "siedemdziesięciu"},
    {"osiemdziesięciu", "osiemdziesięciu", "osiemdziesięcioma", "osiemdziesięciu"},
    {"dziewięćdziesięciu", "dziewięćdziesięciu", "dziewięćdziesięcioma", "dziewięćdziesięciu"},
};
// Hundreds have one oblique form for all four cases.
const char* const kHundreds[] = {"",          "stu",          "dwustu",     "trzystu",
                                 "czterystu", "pięciuset",    "sześciuset", "siedmiuset",
                                 "ośmiuset",  "dziewięciuset"};
// "tysiąc" alone, and the plural after a count of thousands.
const SObliqueForms kThousand = {"tysiąca", "tysiącowi", "tysiącem", "tysiącu"};
const SObliqueForms kThousands = {"tysięcy", "tysiącom", "tysiącami", "tysiącach"};
const SObliqueForms kFeminineOne = {"jednej", "jednej", "jedną", "jednej"};
constexpr const char* kFeminineTwoInstrumental = "dwiema";
constexpr const char* kCompoundOne = "jeden";

const char* FormIn(const SObliqueForms& forms, SGrammaticalCase grammaticalCase) {
    switch (grammaticalCase) {
        case C::kGenitive:
            return forms.genitive;
        case C::kDative:
            return forms.dative;
        case C::kInstrumental:
            return forms.instrumental;
        case C::kLocative:
            return forms.locative;
        case C::kNominative:
        case C::kAccusative:
            break;
    }
    return "";
}

void AddWord(std::string& out, const char* utf8) {
    out += Utf8ToCp1250(utf8);
    out += ' ';
}

// Words of 1..999; `alone` tells whether a final 1 is the whole number (and
// so declines) rather than the end of a compound (and so stays "jeden").
std::string HundredsGroup(int n, SGrammaticalCase grammaticalCase, SGender gender, bool alone) {
    std::string out;
    if (n >= 100) AddWord(out, kHundreds[n / 100]);
    const int rest = n % 100;
    const int unit = rest % 10;
    if (rest >= 10 && rest < 20) {
        AddWord(out, FormIn(kTeens[rest - 10], grammaticalCase));
        return out;
    }
    if (rest >= 20) AddWord(out, FormIn(kTens[rest / 10], grammaticalCase));
    if (unit == 0) return out;
    if (unit == 1 && !(alone && n == 1)) {
        AddWord(out, kCompoundOne);
    } else if (unit == 1) {
        AddWord(out,
                FormIn(gender == SGender::Feminine ? kFeminineOne : kUnits[1], grammaticalCase));
    } else if (unit == 2 && gender == SGender::Feminine && grammaticalCase == C::kInstrumental) {
        AddWord(out, kFeminineTwoInstrumental);
    } else {
        AddWord(out, FormIn(kUnits[unit], grammaticalCase));
    }
    return out;
}

}  // namespace

std::optional<std::string> DeclinedCardinalWords(int64_t n, SGrammaticalCase grammaticalCase,
                                                 SGender gender) {
    if (n < 1 || n > kMaxDeclinedCount) return std::nullopt;
    if (grammaticalCase == C::kNominative || grammaticalCase == C::kAccusative) return std::nullopt;
    const int thousands = static_cast<int>(n / 1000);
    const int rest = static_cast<int>(n % 1000);
    std::string out;
    if (thousands == 1) {
        AddWord(out, FormIn(kThousand, grammaticalCase));
    } else if (thousands > 1) {
        // A counted thousand is masculine: "dwóch tysięcy", "dwoma tysiącami".
        out += HundredsGroup(thousands, grammaticalCase, SGender::Masculine, false);
        AddWord(out, FormIn(kThousands, grammaticalCase));
    }
    if (rest > 0) out += HundredsGroup(rest, grammaticalCase, gender, thousands == 0);
    return out;
}
