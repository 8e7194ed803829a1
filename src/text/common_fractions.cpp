#include "text/common_fractions.h"

#include "model/chars.h"
#include "platform/codepage.h"
#include "resources/ordinal_words.h"
#include "text/governing_verbs.h"
#include "text/numeral_cases.h"
#include "text/ordinals.h"
#include "text/scan_words.h"
#include "text/unit_agreement.h"

namespace {

using C = SGrammaticalCase;

constexpr int64_t kMaxDenominator = 100;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Words before a slash that make it an address or a ratio, not a fraction:
// "Długa 2/5", "nr 1/3", "mieszkanie 2/4".
bool IsAddressOrRatioWord(const char* text, uint32_t start) {
    const std::string previous = PreviousWord(text, start);
    if (previous == "nr" || previous == "nr." || previous == "lok." || previous == "m." ||
        previous == "m" || previous == "mieszkanie" || previous == "numer")
        return true;
    uint32_t end = start;
    while (end > 0 && text[end - 1] == ' ') --end;
    uint32_t wordStart = end;
    while (wordStart > 0 && IsLetter(static_cast<unsigned char>(text[wordStart - 1]))) --wordStart;
    return wordStart < end && IsUpperLetter(static_cast<unsigned char>(text[wordStart])) &&
           !StartsSentence(text, wordStart);
}

// Prepositions after which a part is an amount in the accusative: "o 1/3"
// (by how much), "na", "przez", "za", "ponad".
bool TakesAccusativeAmount(const std::string& preposition) {
    return preposition == "o" || preposition == "na" || preposition == "przez" ||
           preposition == "za" || preposition == "ponad";
}

// The case the words before the fraction give it.
SGrammaticalCase FractionCase(const char* text, uint32_t start) {
    const std::string previous = PreviousWord(text, start);
    const SGrammaticalCase governed = CaseAfterPreposition(previous, SGovernedNumber::kCount);
    if (governed != C::kNominative) return governed;
    if (TakesAccusativeAmount(previous) || GovernsAccusative(previous)) return C::kAccusative;
    return C::kNominative;
}

bool IsFew(int64_t n) {
    const int64_t lastTwo = n % 100, last = n % 10;
    return last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14);
}

}  // namespace

std::string FractionWordsIn(int64_t numerator, int denominator, SGrammaticalCase grammaticalCase) {
    const bool plain = grammaticalCase == C::kNominative || grammaticalCase == C::kAccusative;
    if (numerator == 1) {
        // "jedna trzecia", "jedną trzecią", "jednej trzeciej": a feminine
        // adjective pair.
        const SCase adjectiveCase = AdjectiveCaseOf(grammaticalCase);
        std::string one = OrdinalWords(1, SGender::Feminine, adjectiveCase);
        static const std::string kOrdinalFirst = "pierwsz";
        one.replace(0, kOrdinalFirst.size(), "jedn");
        return one + OrdinalWords(denominator, SGender::Feminine, adjectiveCase);
    }
    if (plain) {
        // The accusative of a feminine count is its nominative: "dwie
        // trzecie", "pięć ósmych".
        return GenderedIntegerWords(numerator, SGender::Feminine) +
               OrdinalPluralWords(denominator,
                                  IsFew(numerator) ? SCase::Nominative : SCase::Genitive);
    }
    auto declined = DeclinedCardinalWords(numerator, grammaticalCase, SGender::Feminine);
    if (!declined) return FractionWordsIn(numerator, denominator, C::kNominative);
    return *declined + OrdinalPluralWords(denominator, AdjectiveCaseOf(grammaticalCase));
}

std::optional<SCompoundReading> ReadCommonFraction(const char* text, uint32_t start, int64_t value,
                                                   uint32_t numberEnd) {
    if (text[numberEnd] != '/' || !IsDigit(text[numberEnd + 1])) return std::nullopt;
    if (start > 0 && (text[start - 1] == '/' || IsDigit(text[start - 1]))) return std::nullopt;
    uint32_t p = numberEnd + 1;
    int64_t denominator = 0;
    while (IsDigit(text[p]) && denominator <= kMaxDenominator)
        denominator = denominator * 10 + (text[p++] - '0');
    if (IsDigit(text[p]) || text[p] == '/' || text[p] == '-' ||
        (text[p] == '.' && IsDigit(text[p + 1])))
        return std::nullopt;
    if (denominator < 2 || denominator > kMaxDenominator || value < 1 || value >= denominator)
        return std::nullopt;
    if (IsAddressOrRatioWord(text, start)) return std::nullopt;
    // "Pół" serves every case: "pół szklanki", "do pół litra".
    if (value == 1 && denominator == 2) return SCompoundReading{Utf8ToCp1250("pół "), p};
    return SCompoundReading{
        FractionWordsIn(value, static_cast<int>(denominator), FractionCase(text, start)), p};
}
