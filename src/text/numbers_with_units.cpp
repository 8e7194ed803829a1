#include "text/numbers_with_units.h"

#include "platform/codepage.h"
#include "resources/number_words.h"
#include "resources/resource_strings.h"
#include "text/number_words.h"
#include "text/numbers.h"
#include "text/scan_words.h"
#include "text/unit_agreement.h"

namespace {

// A measure read as Poles say it: a half is "pół" ("pół litra", "półtora
// kilograma", "półtorej tony", "dwa i pół miliona"), other fractions as
// NumberWords gives them.
std::string MeasureWords(const SNumberText& number, SGender gender) {
    if (number.fraction != "5") return NumberWords(number, gender);
    static const std::string half = Utf8ToCp1250("pół ");
    if (number.value == 0) return half;
    if (number.value == 1)
        return Utf8ToCp1250(gender == SGender::Feminine ? "półtorej " : "półtora ");
    return GenderedIntegerWords(number.value, gender) + ResourceString(number_ids::kFractionAnd) +
           ' ' + half;
}

std::string CountedWords(int64_t count, const SUnitWord& unit) {
    return GenderedIntegerWords(count, unit.gender) + UnitForm(unit, count, false) + ' ';
}

// "3,49 zł": złote and grosze.
std::string MoneyWords(const SNumberText& number, const SUnitWord& unit) {
    const SUnitWord& minor = UnitWords().at(static_cast<size_t>(unit.minorUnit));
    std::string words;
    if (number.value > 0 || number.fractionValue == 0) words += CountedWords(number.value, unit);
    if (number.fractionValue > 0) words += CountedWords(number.fractionValue, minor);
    return words;
}

}  // namespace

std::string NumberWords(const SNumberText& number, SGender gender) {
    std::string words = GenderedIntegerWords(number.value, gender);
    if (number.fractionValue == 0) return words;
    const std::string full =
        SNumber(number.value, number.fractionValue, static_cast<int>(number.fraction.size()))
            .ToWords();
    const std::string plain = SNumber::IntegerWords(number.value);
    if (full.compare(0, plain.size(), plain) == 0) words += full.substr(plain.size());
    return words;
}

void AddCountedUnit(const char* text, std::string& words, uint32_t& end) {
    auto counted = ScanUnit(text, end);
    if (counted && !counted->unit->writtenOut && !counted->unit->multiplier) {
        words += counted->unit->forms.many + ' ';
        end = AfterAbbreviationPeriod(text, counted->end);
    }
}

std::optional<SNumberReading> ReadNumberWithUnit(const char* text, const SNumberText& number) {
    auto match = ScanUnit(text, number.end);
    if (!match) return std::nullopt;
    const SUnitWord& unit = *match->unit;
    if (unit.writtenOut) {
        if (!number.fraction.empty()) return std::nullopt;
        return SNumberReading{GenderedIntegerWords(number.value, unit.gender), number.end};
    }
    std::string words;
    if (unit.minorUnit >= 0 && number.fraction.size() == 2) {
        words = MoneyWords(number, unit);
    } else if (unit.multiplier && number.value == 1 && number.fraction.empty()) {
        words = unit.forms.one + ' ';  // "1 mln" is "milion", never "jeden milion"
    } else {
        words = MeasureWords(number, unit.gender) +
                UnitForm(unit, number.value, !number.fraction.empty()) + ' ';
    }
    uint32_t end = AfterAbbreviationPeriod(text, match->end);
    if (unit.multiplier) AddCountedUnit(text, words, end);
    return SNumberReading{words, end};
}
