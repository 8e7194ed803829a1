#include "text/dated_numbers.h"

#include <cstring>

#include "core/attribute.h"
#include "model/chars.h"
#include "resources/date_words.h"
#include "text/dates.h"
#include "text/ordinals.h"
#include "text/scan_words.h"
#include "text/year_reading.h"

namespace {

constexpr int kMaxDay = 31;
constexpr int kMaxYear = 2999;
constexpr unsigned char kEnDash = 0x96;

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

namespace {

// The month named after the day's digits at `p` (" maja"), or after a
// range's far end, a later day of that month (" do 15 lipca", "-15 lipca",
// "–15 lipca"); 0 when none.
int MonthAfterDay(const char* text, uint32_t p, int64_t day) {
    int64_t farDay = day;
    if (std::strncmp(text + p, " do ", 4) == 0 || text[p] == '-' ||
        static_cast<unsigned char>(text[p]) == kEnDash) {
        p += text[p] == ' ' ? 4 : 1;
        const uint32_t digits = p;
        farDay = 0;
        while (text[p] >= '0' && text[p] <= '9' && p - digits < 3)
            farDay = farDay * 10 + (text[p++] - '0');
        if (p - digits > 2 || farDay <= day) return 0;
    }
    if (text[p] != ' ') return 0;
    uint32_t end = 0;
    const int month = MonthOfGenitiveName(LetterWordAt(text, p + 1, end));
    return month != 0 && farDay <= DaysInMonth(month) ? month : 0;
}

}  // namespace

// "3 maja": a day before a genitive month name is a genitive ordinal, and
// so is the first day of a range ending in one ("od 1 do 15 lipca").
std::optional<SNumberReading> ReadDayBeforeMonth(const char* text, const SNumberText& number) {
    if (!number.fraction.empty() || number.value < 1 || number.value > kMaxDay) return std::nullopt;
    if (MonthAfterDay(text, number.end, number.value) == 0) return std::nullopt;
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

std::optional<SNumberReading> ReadDecade(const char* text, uint32_t position,
                                         const SNumberText& number) {
    if (!number.fraction.empty() || number.value < 10 || number.value > 90 ||
        number.value % 10 != 0)
        return std::nullopt;
    const std::string previous = PreviousWord(text, position);
    SCase decadeCase;
    if (previous == "lata") {
        decadeCase = SCase::Nominative;
    } else if (previous == "latach") {
        decadeCase = SCase::Locative;
    } else if (previous == "lat") {
        decadeCase = SCase::Genitive;
    } else if (previous == "latami") {
        decadeCase = SCase::Instrumental;
    } else {
        return std::nullopt;
    }
    uint32_t end = number.end;
    if (text[end] == '.') {
        end = AfterAbbreviationPeriod(text, end + 1);
    } else if (text[end] == '-') {
        // "70-tych", "80-te": the written ending is said by the ordinal.
        uint32_t tail = end + 1;
        while (IsLowerLetter(static_cast<unsigned char>(text[tail])) && tail - end <= 5) ++tail;
        if (tail == end + 1 || IsLetter(static_cast<unsigned char>(text[tail])))
            return std::nullopt;
        end = tail;
    } else if (IsLetter(static_cast<unsigned char>(text[end]))) {
        return std::nullopt;
    }
    return SNumberReading{OrdinalPluralWords(static_cast<int>(number.value), decadeCase), end};
}
