#include "text/extended_numbers.h"

#include <optional>
#include <string>

#include "core/attribute.h"
#include "resources/number_words.h"
#include "resources/resource_strings.h"
#include "text/common_fractions.h"
#include "text/counted_nouns.h"
#include "text/dated_numbers.h"
#include "text/governed_counts.h"
#include "text/governed_times.h"
#include "text/hour_ranges.h"
#include "text/match_scores.h"
#include "text/number_compounds.h"
#include "text/number_text.h"
#include "text/numbers.h"
#include "text/numbers_with_units.h"
#include "text/word_sink.h"

// Each kind of reading has a file of its own; this one tries them in order
// and appends what the first one read.

namespace {

constexpr unsigned char kEnDash = 0x96;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// `wordStart` is where the number's word begins: its sign, or its first digit.
std::optional<SNumberReading> ReadFromDigit(const char* text, uint32_t position, uint32_t wordStart,
                                            const SAttribute& switches) {
    if (switches.convertTime && position == wordStart)
        if (auto hours = ReadHourRangeAfterHourWord(text, position, switches))
            return SNumberReading{hours->words, hours->end};
    if (switches.convertNumber && position == wordStart)
        if (auto score = ReadMatchScore(text, position)) return score;
    if (auto time = ReadGovernedTime(text, position, switches)) return time;
    if (auto date = ReadNumericDate(text, position, switches)) return date;
    if (!switches.convertNumber) return std::nullopt;
    auto number = ScanPlainNumber(text, position, switches);
    if (!number) return std::nullopt;
    if (number->fraction.empty() && !number->spacedGroups && switches.convertTime)
        if (auto hours =
                ReadHourRange(text, wordStart, number->value, number->end, switches.hours24))
            return SNumberReading{hours->words, hours->end};
    if (number->fraction.empty() && !number->spacedGroups) {
        if (auto compound = ReadHyphenCompound(text, number->value, number->end))
            return SNumberReading{compound->words, compound->end};
        if (auto fraction = ReadCommonFraction(text, position, number->value, number->end))
            return SNumberReading{fraction->words, fraction->end};
    }
    if (auto day = ReadDayBeforeMonth(text, *number)) return day;
    if (auto year = ReadYearBeforeYearWord(text, wordStart, *number)) return year;
    if (auto decade = ReadDecade(text, wordStart, *number)) return decade;
    if (auto governed = ReadGovernedCount(text, wordStart, *number)) return governed;
    if (number->fraction.empty())
        if (auto numeral = NumeralBeforeNoun(text, number->value, number->end))
            return SNumberReading{*numeral, number->end};
    if (auto withUnit = ReadNumberWithUnit(text, *number)) return withUnit;
    if (number->spacedGroups)
        return SNumberReading{NumberWords(*number, SGender::Masculine), number->end};
    return std::nullopt;
}

// The word a sign before a number is read as.
std::string SignWord(char sign) {
    return sign == '+' ? std::string("plus") : ResourceString(number_ids::kMinus);
}

void Append(const char* text, uint32_t from, const SNumberReading& reading, SWordSink& sink) {
    sink.AppendText(reading.words, std::string(text + from, text + reading.end));
}

}  // namespace

bool IsExtendedNumberSign(char c) {
    return c == '-' || c == '+' || static_cast<unsigned char>(c) == kEnDash;
}

bool ReadExtendedNumber(const char* text, uint32_t& position, const SAttribute& switches,
                        SWordSink& sink) {
    const char first = text[position];
    if (IsDigit(first)) {
        auto reading = ReadFromDigit(text, position, position, switches);
        if (!reading) return false;
        Append(text, position, *reading, sink);
        position = reading->end;
        return true;
    }
    if (!IsExtendedNumberSign(first) || !IsDigit(text[position + 1])) return false;
    uint32_t p = position + 1;
    // Between digits a hyphen or a dash is a range, a telephone number or a
    // postal code; only a leading one, and every plus, is a sign.
    const bool dash = first != '+' && position > 0 && IsDigit(text[position - 1]);
    auto reading = ReadFromDigit(text, p, dash ? p : position, switches);
    if (!dash) {
        if (!reading && first == '-') return false;  // the plain reader says "minus" itself
        sink.AppendWord(SignWord(first), std::string(1, first), 1, 0);
    }
    if (reading) {
        Append(text, p, *reading, sink);
        position = reading->end;
        return true;
    }
    if (!ReadNumber(text, p, switches, sink)) return false;
    position = p;
    return true;
}
