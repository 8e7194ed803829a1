#include "text/governed_counts.h"

#include <string>

#include "resources/counted_nouns.h"
#include "text/governing_prepositions.h"
#include "text/locative_nouns.h"
#include "text/numbers_with_units.h"
#include "text/numeral_cases.h"
#include "text/scan_words.h"
#include "text/unit_agreement.h"

namespace {

constexpr size_t kMinStemmedNoun = 5;  // shorter nouns' stems begin too many words

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool EndsWith(const std::string& word, const char* ending) {
    const std::string suffix = ending;
    return word.size() > suffix.size() &&
           word.compare(word.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// A written-out noun in the genitive plural: the last of its writings.
bool IsGenitiveNounAt(const char* text, uint32_t position) {
    auto match = ScanUnit(text, position);
    if (!match || !match->unit->writtenOut || match->unit->writings.size() < 3) return false;
    const std::string& genitive = match->unit->writings.back();
    const uint32_t start = text[position] == ' ' ? position + 1 : position;
    return match->end - start == genitive.size() &&
           genitive.compare(0, genitive.size(), text + start, genitive.size()) == 0;
}

// "z" is "with" before an instrumental plural ("z 3 osobami") and "from"
// before a genitive ("z 10 stron"); anything else stays unread as a case.
SGrammaticalCase CaseAfterZ(const char* text, uint32_t numberEnd) {
    uint32_t end = 0;
    const std::string next =
        LetterWordAt(text, text[numberEnd] == ' ' ? numberEnd + 1 : numberEnd, end);
    if (EndsWith(next, "ami") || EndsWith(next, "mi")) return SGrammaticalCase::kInstrumental;
    if (IsGenitiveNounAt(text, numberEnd)) return SGrammaticalCase::kGenitive;
    return SGrammaticalCase::kNominative;
}

// "po 3 latach", "w 5 miastach", "o 2 sprawach": after a preposition that
// may give the locative, a noun in "-ach" shows that it does, whatever else
// the preposition could give a count ("po 5 zł" is "po pięć złotych").
bool ShowsLocativePlural(const std::string& preposition, const char* text, uint32_t numberEnd) {
    if (CaseAfterPreposition(preposition, SGovernedNumber::kNoun) != SGrammaticalCase::kLocative)
        return false;
    uint32_t end = 0;
    const std::string next =
        LetterWordAt(text, text[numberEnd] == ' ' ? numberEnd + 1 : numberEnd, end);
    return EndsWith(next, "ach");
}

// "w 1 mieście", "na 1 stronie", "w 1 domu": one before a locative
// singular that the noun tables know; its gender, for "jednym" or "jednej".
std::optional<SGender> LocativeSingularAfter(const std::string& preposition, const char* text,
                                             uint32_t numberEnd) {
    if (CaseAfterPreposition(preposition, SGovernedNumber::kNoun) != SGrammaticalCase::kLocative)
        return std::nullopt;
    uint32_t end = 0;
    const std::string next =
        LetterWordAt(text, text[numberEnd] == ' ' ? numberEnd + 1 : numberEnd, end);
    // A masculine noun in "-u" has one form for both cases: "w 1 domu".
    for (const SCountedNoun& noun : CountedNouns())
        if (noun.gender == SGender::Masculine && noun.genitive == next && next.back() == 'u')
            return SGender::Masculine;
    auto locative = GenderOfLocative(next);
    if (!locative || !locative->inTables) return std::nullopt;
    return locative->gender;
}

// The gender of a written-out noun in a form the unit table does not list,
// told by the stem of its first form: "kobietami" is "kobieta"'s.
std::optional<SGender> GenderOfInflectedNoun(const char* text, uint32_t numberEnd) {
    uint32_t end = 0;
    const std::string next =
        LetterWordAt(text, text[numberEnd] == ' ' ? numberEnd + 1 : numberEnd, end);
    for (const SUnitWord& unit : UnitWords()) {
        if (!unit.writtenOut || unit.writings.empty()) continue;
        const std::string& first = unit.writings.front();
        if (first.size() < kMinStemmedNoun) continue;  // "noc" would claim "nowymi"
        const size_t stem = first.size() - 1;
        if (next.size() > stem && next.compare(0, stem, first, 0, stem) == 0) return unit.gender;
    }
    return std::nullopt;
}

// The gender a lone number takes from a range's far end: "od 1 do 10 stron".
SGender GenderOfRangeEnd(const char* text, uint32_t numberEnd) {
    uint32_t p = numberEnd;
    if (text[p] == ' ') ++p;
    uint32_t end = 0;
    if (LetterWordAt(text, p, end) != "do") return SGender::Masculine;
    p = end;
    if (text[p] == ' ') ++p;
    if (!IsDigit(text[p])) return SGender::Masculine;
    while (IsDigit(text[p])) ++p;
    auto unit = ScanUnit(text, p);
    return unit ? unit->unit->gender : SGender::Masculine;
}

// "poniżej 0°C" is "poniżej zera stopni Celsjusza": zero is a noun, and
// after a preposition of the genitive it takes that case; the unit follows
// in the genitive plural.
std::optional<SNumberReading> GovernedZero(const char* text, uint32_t position,
                                           const SNumberText& number) {
    const SGrammaticalCase numberCase =
        CaseAfterPreposition(PreviousWord(text, position), SGovernedNumber::kCount);
    auto match = ScanUnit(text, number.end);
    if (numberCase != SGrammaticalCase::kGenitive || !match || match->unit->writtenOut ||
        match->unit->multiplier)
        return std::nullopt;
    return SNumberReading{"zera " + match->unit->forms.many + ' ',
                          AfterAbbreviationPeriod(text, match->end)};
}

}  // namespace

// A whole number after a preposition that governs its case: "około 50%"
// is "około pięćdziesięciu procent", "z 3 osobami" "z trzema osobami".
// A unit after it follows in the genitive ("do 3 tys. zł" is "do trzech
// tysięcy złotych"); other cases of units are not in the tables, so such a
// number is left as it is.
std::optional<SNumberReading> ReadGovernedCount(const char* text, uint32_t position,
                                                const SNumberText& number) {
    if (number.fraction.empty() && number.value == 0) return GovernedZero(text, position, number);
    if (!number.fraction.empty() || number.value < 1 || number.value > kMaxDeclinedCount)
        return std::nullopt;
    // "od 9:00", "do 1/2", "od 1-10": a time, a fraction or a range's first
    // end is no count of its own.
    const char after = text[number.end];
    if ((after == ':' || after == '/' || after == '-') && IsDigit(text[number.end + 1]))
        return std::nullopt;
    const std::string preposition = PreviousWord(text, position);
    SGrammaticalCase numberCase = preposition == "z"
                                      ? CaseAfterZ(text, number.end)
                                      : CaseAfterPreposition(preposition, SGovernedNumber::kCount);
    if (numberCase == SGrammaticalCase::kNominative && number.value == 1)
        if (auto gender = LocativeSingularAfter(preposition, text, number.end))
            if (auto one = DeclinedCardinalWords(1, SGrammaticalCase::kLocative, *gender))
                return SNumberReading{*one, number.end};
    if (numberCase == SGrammaticalCase::kNominative &&
        ShowsLocativePlural(preposition, text, number.end))
        numberCase = SGrammaticalCase::kLocative;
    if (!ChangesCount(numberCase)) return std::nullopt;
    auto match = ScanUnit(text, number.end);
    if (!match) {
        const SGender gender =
            GenderOfInflectedNoun(text, number.end).value_or(GenderOfRangeEnd(text, number.end));
        auto words = DeclinedCardinalWords(number.value, numberCase, gender);
        if (!words) return std::nullopt;
        return SNumberReading{*words, number.end};
    }
    const SUnitWord& unit = *match->unit;
    auto words = DeclinedCardinalWords(number.value, numberCase, unit.gender);
    if (!words) return std::nullopt;
    if (unit.writtenOut) return SNumberReading{*words, number.end};
    if (numberCase != SGrammaticalCase::kGenitive) return std::nullopt;
    // The genitive singular after one, the genitive plural after the rest.
    *words += (number.value == 1 ? unit.forms.fraction : unit.forms.many) + ' ';
    uint32_t end = AfterAbbreviationPeriod(text, match->end);
    if (unit.multiplier) AddCountedUnit(text, *words, end);
    return SNumberReading{*words, end};
}
