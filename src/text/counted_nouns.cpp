#include "text/counted_nouns.h"

#include "platform/codepage.h"
#include "resources/counted_nouns.h"
#include "text/numeral_cases.h"
#include "text/scan_words.h"
#include "text/unit_agreement.h"

namespace {

using C = SGrammaticalCase;

constexpr int64_t kLargeCount = 1000;

enum class SNounForm { kNominative, kGenitive, kAccusative, kNominativePlural, kGenitivePlural };

struct SNounMatch {
    const SCountedNoun* noun;
    SNounForm form;
};

// A form may stand for several (the genitive singular and the nominative
// plural of "koleżanki"); the count decides which is meant.
std::optional<SNounMatch> FindNoun(const std::string& word, bool singular) {
    for (const SCountedNoun& noun : CountedNouns()) {
        if (singular) {
            if (word == noun.nominative) return SNounMatch{&noun, SNounForm::kNominative};
            if (word == noun.accusative) return SNounMatch{&noun, SNounForm::kAccusative};
            if (word == noun.genitive) return SNounMatch{&noun, SNounForm::kGenitive};
        } else {
            if (word == noun.nominativePlural)
                return SNounMatch{&noun, SNounForm::kNominativePlural};
            if (word == noun.genitivePlural) return SNounMatch{&noun, SNounForm::kGenitivePlural};
        }
    }
    return std::nullopt;
}

bool EndsWith(const std::string& word, const std::string& ending) {
    return word.size() > ending.size() &&
           word.compare(word.size() - ending.size(), ending.size(), ending) == 0;
}

bool IsFew(int64_t n) {
    return n % 10 >= 2 && n % 10 <= 4 && (n % 100 < 12 || n % 100 > 14);
}

// Collective numerals, 2..20 ("dwoje", "troje", "pięcioro").
std::optional<std::string> CollectiveWords(int64_t n) {
    static const char* const kWords[] = {
        "",            "",              "dwoje",          "troje",        "czworo",
        "pięcioro",    "sześcioro",     "siedmioro",      "ośmioro",      "dziewięcioro",
        "dziesięcioro", "jedenaścioro", "dwanaścioro",    "trzynaścioro", "czternaścioro",
        "piętnaścioro", "szesnaścioro", "siedemnaścioro", "osiemnaścioro", "dziewiętnaścioro",
        "dwadzieścioro"};
    if (n < 2 || n > 20) return std::nullopt;
    return Utf8ToCp1250(kWords[n]) + ' ';
}

// "dwaj", "trzej", "czterej": men counted in the nominative plural.
std::optional<std::string> PersonalNominativeWords(int64_t n) {
    static const char* const kWords[] = {"dwaj", "trzej", "czterej"};
    if (n < 2 || n > 4) return std::nullopt;
    return std::string(kWords[n - 2]) + ' ';
}

std::optional<std::string> OneBefore(const SNounMatch& match) {
    const SCountedNoun& noun = *match.noun;
    const bool feminine = noun.gender == SGender::Feminine;
    switch (match.form) {
        case SNounForm::kGenitive:
            return DeclinedCardinalWords(1, C::kGenitive, noun.gender);
        case SNounForm::kAccusative:
            if (feminine) return Utf8ToCp1250("jedną ");
            if (noun.kind == SNounKind::kPerson || noun.kind == SNounKind::kAnimal)
                return DeclinedCardinalWords(1, C::kGenitive, noun.gender);
            return GenderedIntegerWords(1, noun.gender);
        default:
            return GenderedIntegerWords(1, noun.gender);
    }
}

std::optional<std::string> CountBefore(int64_t n, const SNounMatch& match) {
    const SCountedNoun& noun = *match.noun;
    if (noun.kind == SNounKind::kCollective) return CollectiveWords(n);
    if (noun.kind == SNounKind::kPerson) {
        if (match.form == SNounForm::kNominativePlural) return PersonalNominativeWords(n);
        return DeclinedCardinalWords(n, C::kGenitive, SGender::Masculine);
    }
    return GenderedIntegerWords(n, noun.gender);
}

}  // namespace

std::optional<std::string> NumeralBeforeNoun(const char* text, int64_t value, uint32_t numberEnd) {
    if (value < 1 || value > kMaxDeclinedCount || text[numberEnd] != ' ') return std::nullopt;
    // "25 000 mieszkańców": the noun is counted by "tysięcy"; and in "12 500
    // mieszkańców" the plain "pięćset" is what is said, so large counts keep
    // the plain reading.
    if (value >= kLargeCount) return std::nullopt;
    uint32_t end = 0;
    const std::string word = LetterWordAt(text, numberEnd + 1, end);
    if (word.empty()) return std::nullopt;
    if (auto match = FindNoun(word, value == 1))
        return value == 1 ? OneBefore(*match) : CountBefore(value, *match);
    // A feminine accusative or instrumental: "1 prośbę", "z 1 osobą".
    if (value == 1 && (EndsWith(word, Utf8ToCp1250("ę")) || EndsWith(word, Utf8ToCp1250("ą"))))
        return Utf8ToCp1250("jedną ");
    if (IsFew(value))
        for (const std::string& ending : FemininePluralEndings())
            if (EndsWith(word, ending)) return GenderedIntegerWords(value, SGender::Feminine);
    return std::nullopt;
}
