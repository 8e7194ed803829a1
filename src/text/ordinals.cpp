#include "text/ordinals.h"

#include "platform/codepage.h"
#include "text/number_words.h"

namespace {

constexpr int kMaxOrdinal = 999;
constexpr int kMaxYear = 2999;

std::string Inflected(const std::string& stem, SGender gender, SCase grammaticalCase) {
    return stem + OrdinalEnding(stem, gender, grammaticalCase) + ' ';
}

std::string PluralInflected(const std::string& stem, SCase grammaticalCase) {
    return stem + PluralEnding(stem, grammaticalCase) + ' ';
}

}  // namespace

std::string OrdinalWords(int n, SGender gender, SCase grammaticalCase) {
    if (n < 1 || n > kMaxOrdinal) return std::string();
    std::string words;
    if (n >= 100) words += Inflected(OrdinalHundredsStem(n / 100), gender, grammaticalCase);
    n %= 100;
    if (n >= 20) {
        words += Inflected(OrdinalTensStem(n / 10), gender, grammaticalCase);
        n %= 10;
    }
    if (n >= 1) words += Inflected(OrdinalUnitStem(n), gender, grammaticalCase);
    return words;
}

std::string YearOrdinalWordsIn(int year, SCase grammaticalCase) {
    if (year < 1 || year > kMaxYear) return std::string();
    const SGender m = SGender::Masculine;
    if (year % 100 != 0) {
        const int round = year - year % 100;
        return (round > 0 ? SNumber::IntegerWords(round) : std::string()) +
               OrdinalWords(year % 100, m, grammaticalCase);
    }
    if (year % 1000 == 0) {
        static const std::string one = Utf8ToCp1250("tysięczn");
        static const std::string two = Utf8ToCp1250("dwutysięczn");
        const std::string& stem = year == 1000 ? one : two;
        return stem + OrdinalEnding(stem, m, grammaticalCase) + ' ';
    }
    const std::string thousands = year >= 1000 ? SNumber::IntegerWords(year / 1000 * 1000) : "";
    return thousands + Inflected(OrdinalHundredsStem(year / 100 % 10), m, grammaticalCase);
}

std::string YearNounIn(SCase grammaticalCase) {
    switch (grammaticalCase) {
        case SCase::Genitive:
        case SCase::Locative:
            return "roku";
        case SCase::Dative:
            return "rokowi";
        case SCase::Instrumental:
            return "rokiem";
        case SCase::Nominative:
        case SCase::Accusative:
            break;
    }
    return "rok";
}

std::string OrdinalPluralWords(int n, SCase grammaticalCase) {
    if (n < 1 || n > kMaxOrdinal) return std::string();
    std::string words;
    if (n >= 100) words += PluralInflected(OrdinalHundredsStem(n / 100), grammaticalCase);
    n %= 100;
    if (n >= 20) {
        words += PluralInflected(OrdinalTensStem(n / 10), grammaticalCase);
        n %= 10;
    }
    if (n >= 1) words += PluralInflected(OrdinalUnitStem(n), grammaticalCase);
    return words;
}
