#include "text/roman_numerals.h"

#include <algorithm>

#include "text/governing_prepositions.h"
#include "text/ordinals.h"

namespace {

constexpr int kMaxRoman = 3999;

struct SRomanDigit {
    const char* letters;
    int value;
};

// Largest first, with the subtractive pairs, so that writing a value greedily
// gives its one strict form.
constexpr SRomanDigit kDigits[] = {
    {"M", 1000}, {"CM", 900}, {"D", 500}, {"CD", 400}, {"C", 100}, {"XC", 90}, {"L", 50},
    {"XL", 40},  {"X", 10},   {"IX", 9},  {"V", 5},    {"IV", 4},  {"I", 1},
};

std::string ToRoman(int value) {
    std::string out;
    for (const SRomanDigit& digit : kDigits)
        for (; value >= digit.value; value -= digit.value) out += digit.letters;
    return out;
}

int LetterValue(char c) {
    switch (c) {
        case 'I':
            return 1;
        case 'V':
            return 5;
        case 'X':
            return 10;
        case 'L':
            return 50;
        case 'C':
            return 100;
        case 'D':
            return 500;
        case 'M':
            return 1000;
        default:
            return 0;
    }
}

bool IsIn(const std::string& word, const std::vector<std::string>& list) {
    return std::find(list.begin(), list.end(), word) != list.end();
}

const SNumberedNoun* FindNoun(const std::string& word, const std::vector<SNumberedNoun>& nouns) {
    for (const SNumberedNoun& noun : nouns)
        if (noun.form == word) return &noun;
    return nullptr;
}

bool IsCenturyNoun(const std::string& word) {
    return word == "wieku" || word == "w";
}

// The noun after the numeral; "w" counts only as the abbreviation "w.".
const SNumberedNoun* NounAfter(const SRomanContext& context) {
    if (context.next == "w" && !context.nextEndsWithPeriod) return nullptr;
    return FindNoun(context.next, NumberedNounsAfter());
}

// A ruler's name in a case other than the nominative ("Kazimierza",
// "Pawła", "Elżbiety"): the gender and the case it shows.
struct SRulerForm {
    SGender gender;
    SCase grammaticalCase;
};

// The stem a masculine name declines on: "paweł" "pawł-", "leszek"
// "leszk-", "mieszko" "mieszk-".
std::string MasculineStem(const std::string& name) {
    const size_t n = name.size();
    if (n > 2 && name[n - 2] == 'e' && (name[n - 1] == 'k' || name[n - 1] == '\xB3' /* ł */))
        return name.substr(0, n - 2) + name[n - 1];
    if (n > 1 && name[n - 1] == 'o') return name.substr(0, n - 1);
    return name;
}

std::optional<SRulerForm> InflectedRuler(const std::string& word) {
    struct SEnding {
        const char* ending;
        SCase grammaticalCase;
    };
    static const SEnding kMasculine[] = {
        {"a", SCase::Genitive}, {"owi", SCase::Dative}, {"em", SCase::Instrumental}};
    static const SEnding kFeminine[] = {{"y", SCase::Genitive},
                                        {"i", SCase::Genitive},
                                        {"\xEA", SCase::Accusative},     // ę
                                        {"\xB9", SCase::Instrumental}};  // ą
    for (const std::string& name : RulerNames(SGender::Masculine)) {
        const std::string stem = MasculineStem(name);
        for (const SEnding& ending : kMasculine)
            if (word == stem + ending.ending)
                return SRulerForm{SGender::Masculine, ending.grammaticalCase};
    }
    for (const std::string& name : RulerNames(SGender::Feminine)) {
        const std::string stem = name.substr(0, name.size() - 1);
        for (const SEnding& ending : kFeminine)
            if (word == stem + ending.ending)
                return SRulerForm{SGender::Feminine, ending.grammaticalCase};
    }
    return std::nullopt;
}

}  // namespace

std::optional<int> ParseRoman(const std::string& word) {
    if (word.empty() || word.size() > 15) return std::nullopt;
    int total = 0;
    for (size_t i = 0; i < word.size(); ++i) {
        int value = LetterValue(word[i]);
        if (value == 0) return std::nullopt;
        int next = i + 1 < word.size() ? LetterValue(word[i + 1]) : 0;
        total += value < next ? -value : value;
    }
    if (total < 1 || total > kMaxRoman || ToRoman(total) != word) return std::nullopt;
    return total;
}

std::optional<std::string> ReadRomanNumeral(const std::string& word, const SRomanContext& context) {
    std::optional<int> value = ParseRoman(word);
    if (!value) return std::nullopt;
    auto words = [&](SGender gender, SCase grammaticalCase) -> std::optional<std::string> {
        std::string ordinal = OrdinalWords(*value, gender, grammaticalCase);
        if (ordinal.empty()) return std::nullopt;
        return ordinal;
    };
    if (IsIn(context.previous, RulerNames(SGender::Feminine)))
        return words(SGender::Feminine, SCase::Nominative);
    if (IsIn(context.previous, RulerNames(SGender::Masculine)))
        return words(SGender::Masculine, SCase::Nominative);
    if (auto ruler = InflectedRuler(context.previous)) {
        // A man is animate: his accusative is the genitive.
        const SCase grammaticalCase =
            ruler->gender == SGender::Masculine && ruler->grammaticalCase == SCase::Accusative
                ? SCase::Genitive
                : ruler->grammaticalCase;
        return words(ruler->gender, grammaticalCase);
    }
    if (const SNumberedNoun* noun = FindNoun(context.previous, NumberedNounsBefore()))
        return words(noun->gender, noun->grammaticalCase);
    // Before a noun, a lone "I" opening a sentence is the conjunction far
    // more often than "first"; inside a sentence the conjunction is "i".
    if (word == "I" && context.previous.empty()) return std::nullopt;
    if (const SNumberedNoun* noun = NounAfter(context)) {
        SCase grammaticalCase = noun->grammaticalCase;
        // "w XX wieku": the preposition makes the century locative.
        if (IsCenturyNoun(context.next) && (context.previous == "w" || context.previous == "we"))
            grammaticalCase = SCase::Locative;
        // "na VII Festiwalu": a masculine "-u" is the locative too, which a
        // preposition of the locative chooses.
        if (grammaticalCase == SCase::Genitive && !context.next.empty() &&
            context.next.back() == 'u' &&
            CaseAfterPreposition(context.previous, SGovernedNumber::kNoun) ==
                SGrammaticalCase::kLocative)
            grammaticalCase = SCase::Locative;
        return words(noun->gender, grammaticalCase);
    }
    return std::nullopt;
}
