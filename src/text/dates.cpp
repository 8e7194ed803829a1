#include "text/dates.h"

#include <cstring>
#include <vector>

#include "core/attribute.h"
#include "resources/date_words.h"
#include "resources/resource_strings.h"
#include "text/number_words.h"
#include "text/numbers.h"
#include "text/word_sink.h"

namespace {

constexpr size_t kMinDateLength = 6;
constexpr size_t kMaxWordsLength = 254;  // a date's words never get this long

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Polish conventions for regional values the system does not store.
constexpr char kPolishDateSeparator = '.';
constexpr const char* kPolishShortDatePattern = "dd.MM.yyyy";

char DateSeparatorOf(const SAttribute& switches) {
    if (switches.extendedReading && !switches.dateSeparatorStored) return kPolishDateSeparator;
    return switches.dateSeparator;
}

std::string ShortDatePatternOf(const SAttribute& switches) {
    if (switches.extendedReading && !switches.shortDatePatternStored)
        return kPolishShortDatePattern;
    return switches.shortDatePattern;
}
bool IsScanSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// Reads up to maxDigits digits; returns their count.
int ReadField(const char* text, uint32_t& position, int maxDigits, int& value) {
    int count = 0;
    value = 0;
    while (count < maxDigits && IsDigit(text[position])) {
        value = value * 10 + (text[position] - '0');
        ++position;
        ++count;
    }
    return count;
}

// Day, month and year in the order of the system's short-date pattern.
std::optional<std::pair<SDate, uint32_t>> ScanSystemOrder(const char* text, uint32_t start,
                                                          const SAttribute& switches) {
    char slots[3] = {'d', 'M', 'y'};
    const std::string pattern = ShortDatePatternOf(switches);
    const char dateSeparator = DateSeparatorOf(switches);
    if (!pattern.empty()) {
        size_t begin = 0;
        for (int slot = 0; slot < 3; ++slot) {
            size_t end = pattern.find(dateSeparator, begin);
            if (end == std::string::npos) end = pattern.size();
            slots[slot] = begin < pattern.size() && end > begin ? pattern[begin] : '\0';
            begin = end < pattern.size() ? end + 1 : pattern.size();
        }
    }
    int day = 0, month = 0, year = 0;
    uint32_t position = start;
    for (int slot = 0; slot < 3; ++slot) {
        int value = 0;
        int digits = ReadField(text, position, slots[slot] == 'y' ? 4 : 2, value);
        // A slot of any other letter is a month field of no digits.
        if (slots[slot] != 'd' && slots[slot] != 'y' && slots[slot] != 'M') digits = 0;
        if (digits == 0) return std::nullopt;
        if (slots[slot] == 'd') day = value;
        if (slots[slot] == 'M') month = value;
        if (slots[slot] == 'y') year = value;
        if ((slots[slot] == 'd' || slots[slot] == 'M') && value == 0) return std::nullopt;
        if (slot < 2) {
            if (text[position] != dateSeparator) return std::nullopt;
            ++position;
        } else if (IsDigit(text[position])) {
            return std::nullopt;
        }
    }
    return std::make_pair(SDate::Make(day, month, year), position - start);
}

// "5 May 2002": a day, an English month abbreviation (exact case), a year.
std::optional<std::pair<SDate, uint32_t>> ScanEnglishMonth(const char* text, uint32_t start) {
    uint32_t position = start;
    int day = 0, year = 0;
    if (ReadField(text, position, 9, day) == 0) return std::nullopt;
    if (IsDigit(text[position])) return std::nullopt;
    while (IsScanSpace(text[position])) ++position;
    uint32_t nameStart = position;
    while (position - nameStart < 3 && text[position] && !IsScanSpace(text[position])) ++position;
    std::string name(text + nameStart, position - nameStart);
    while (IsScanSpace(text[position])) ++position;
    if (ReadField(text, position, 9, year) == 0) return std::nullopt;
    while (IsDigit(text[position])) ++position;  // runs to the end of the digits
    if (day < 1 || day > 31) return std::nullopt;
    for (int month = 1; month <= 12; ++month)
        if (name == EnglishMonthAbbreviation(month))
            return std::make_pair(SDate::Make(day, month, year), position - start);
    return std::nullopt;
}

// Fields of digits joined by one kind of separator: the date separator, '-' or '/'.
// With sentenceEndAfterYear, a separator after the third field that no
// digit follows ends the date instead of spoiling it ("12.05.2002.").
std::optional<std::pair<SDate, uint32_t>> ScanNumeric(const char* text, uint32_t start,
                                                      char dateSeparator,
                                                      bool sentenceEndAfterYear) {
    std::vector<std::string> fields(1);
    char separator = '\0';
    uint32_t position = start;
    for (;; ++position) {
        char c = text[position];
        if (IsDigit(c)) {
            if (fields.back().size() == 4) return std::nullopt;
            fields.back() += c;
        } else if (c != '\0' && (c == dateSeparator || c == '-' || c == '/')) {
            if (fields.size() == 3 && sentenceEndAfterYear && !IsDigit(text[position + 1])) break;
            if (separator != '\0' && c != separator) return std::nullopt;
            separator = c;
            if (fields.size() == 3) return std::nullopt;
            fields.emplace_back();
        } else {
            break;
        }
    }
    if (fields.size() != 3) return std::nullopt;
    int yearField = -1;
    for (int i = 0; i < 3; ++i) {
        // An empty field is no date: "12/05/" must not become 12 May 2000.
        if (fields[i].empty() || fields[i].size() == 3) return std::nullopt;
        if (fields[i].size() > 2) {
            if (yearField >= 0 || i == 1) return std::nullopt;
            yearField = i;
        }
    }
    int v[3];
    for (int i = 0; i < 3; ++i) v[i] = std::stoi(fields[i]);
    int day, month, year;
    if (yearField < 0) {
        day = v[0], month = v[1], year = v[2];
        if (day == 0 || day > 31) std::swap(day, year);
        if (month > 12 && day >= 1 && day <= 12) std::swap(day, month);
    } else {
        if (yearField == 0)
            year = v[0], month = v[1], day = v[2];
        else
            day = v[0], month = v[1], year = v[2];
        if (month > 12 && day >= 1 && day <= 12) std::swap(day, month);
        if (year < 1900 || year > 2999) return std::nullopt;
    }
    return std::make_pair(SDate::Make(day, month, year), position - start);
}

const std::string& R(int id) {
    return ResourceString(id);
}

// Ordinal of 1..39 from a units table (1..19) and a tens table (20, 30, ...).
std::string OrdinalWords(int n, int unitsFirstId, int tensFirstId) {
    std::string out;
    if (n >= 20) {
        out += R(tensFirstId + n / 10 - 2) + ' ';
        if (n % 10 != 0) out += R(unitsFirstId + n % 10 - 1) + ' ';
    } else if (n >= 1) {
        out += R(unitsFirstId + n - 1) + ' ';
    }
    return out;
}

}  // namespace

std::string YearOrdinalWords(int year) {
    using namespace date_ids;
    if (year % 100 != 0)
        return SNumber::IntegerWords(year - year % 100) +
               OrdinalWords(year % 100, kYearOrdinalsFirst, kYearOrdinalTensFirst);
    if (year == 1000 || year == 2000) return R(kYearOrdinalThousandsFirst + year / 1000 - 1) + ' ';
    int hundredsWord = kYearOrdinalHundredsFirst + (year / 100) % 10 - 1;
    if (year >= 1100) return SNumber::IntegerWords(year / 1000 * 1000) + R(hundredsWord) + ' ';
    if (year >= 100) return R(hundredsWord) + ' ';
    return OrdinalWords(year, date_ids::kYearOrdinalsFirst, date_ids::kYearOrdinalTensFirst);
}

std::string GenitiveDayWords(int day) {
    return OrdinalWords(day, date_ids::kYearOrdinalsFirst, date_ids::kYearOrdinalTensFirst);
}

int MonthOfGenitiveName(const std::string& word) {
    for (int month = 1; month <= 12; ++month)
        if (word == R(date_ids::kMonthsFirst + month - 1)) return month;
    return 0;
}

SDate SDate::Make(int day, int month, int year) {
    if (year >= 50 && year <= 99) year += 1900;
    if (year >= 0 && year <= 49) year += 2000;
    return SDate{day, month, year};
}

bool SDate::IsValid() const {
    return year >= 0 && year <= 2999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= DaysInMonth(month);
}

std::string SDate::ToWords(bool genitiveDay) const {
    using namespace date_ids;
    std::string words = genitiveDay ? GenitiveDayWords(day)
                                    : OrdinalWords(day, kDayOrdinalsFirst, kDayOrdinalTensFirst);
    words += R(kMonthsFirst + month - 1) + ' ';
    words += YearOrdinalWords(year);
    words += R(kYearWord) + ' ';
    return words;
}

std::optional<std::pair<SDate, uint32_t>> ScanDate(const char* text, uint32_t position,
                                                   const SAttribute& switches) {
    if (!HasAtLeast(text, position, kMinDateLength) || !IsDigit(text[position]))
        return std::nullopt;
    std::optional<std::pair<SDate, uint32_t>> found;
    if (switches.dateBySysFormat) {
        found = ScanSystemOrder(text, position, switches);
    } else {
        found = ScanEnglishMonth(text, position);
        if (!found)
            found =
                ScanNumeric(text, position, DateSeparatorOf(switches), switches.extendedReading);
    }
    if (!found || !found->first.IsValid()) return std::nullopt;
    return found;
}

bool ReadDate(const char* text, uint32_t& position, const std::string& token,
              const SAttribute& switches, SWordSink& sink) {
    auto found = ScanDate(text, position, switches);
    if (!found) return false;
    std::string words = found->first.ToWords();
    if (words.size() < kMaxWordsLength) AppendWordsOf(words, token, 1, sink);
    position += found->second;
    return true;
}
