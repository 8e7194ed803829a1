#include "text/dated_numbers.h"

#include "core/attribute.h"
#include "resources/date_words.h"
#include "text/dates.h"
#include "text/scan_words.h"
#include "text/year_reading.h"

namespace {

constexpr int kMaxDay = 31;
constexpr int kMaxYear = 2999;

}  // namespace

// A numeric date, its day in the genitive; a " r." or " roku" after it is
// already said.
std::optional<SNumberReading> ReadNumericDate(const char* text, uint32_t position,
                                              const SAttribute& switches) {
    if (!switches.convertDate) return std::nullopt;
    auto found = ScanDate(text, position, switches);
    if (!found) return std::nullopt;
    uint32_t end = position + found->second;
    if (auto yearWordEnd = DateYearNounEnd(text, end)) end = *yearWordEnd;
    return SNumberReading{found->first.ToWords(true), end};
}

// "3 maja": a day before a genitive month name is a genitive ordinal.
std::optional<SNumberReading> ReadDayBeforeMonth(const char* text, const SNumberText& number) {
    if (!number.fraction.empty() || number.value < 1 || number.value > kMaxDay) return std::nullopt;
    if (text[number.end] != ' ') return std::nullopt;
    uint32_t end = 0;
    const int month = MonthOfGenitiveName(LetterWordAt(text, number.end + 1, end));
    if (month == 0 || number.value > DaysInMonth(month)) return std::nullopt;
    return SNumberReading{GenitiveDayWords(static_cast<int>(number.value)), number.end};
}

// "1791 r.", "w 1989 roku", "przed 2000 rokiem": an ordinal year in the
// case its noun shows or the sentence gives it.
std::optional<SNumberReading> ReadYearBeforeYearWord(const char* text, uint32_t position,
                                                     const SNumberText& number) {
    if (!number.fraction.empty() || number.value < 1 || number.value > kMaxYear)
        return std::nullopt;
    auto year = ReadYearNoun(text, position, static_cast<int>(number.value), number.end);
    if (!year) return std::nullopt;
    return SNumberReading{year->words, year->end};
}
