#include "text/number_text.h"

#include "core/attribute.h"
#include "text/numbers.h"
#include "text/scan_words.h"
#include "text/unit_agreement.h"

namespace {

constexpr size_t kMaxIntegerDigits = 9;   // longer numbers stay with the plain reader
constexpr size_t kMaxFractionDigits = 6;  // the longest with a denominator word
constexpr unsigned char kNoBreakSpace = 0xA0;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int32_t ValueOf(const std::string& digits) {
    int32_t value = 0;
    for (char d : digits) value = value * 10 + (d - '0');
    return value;
}

bool IsGroupSpace(char c) {
    return c == ' ' || static_cast<unsigned char>(c) == kNoBreakSpace;
}

// Words before a number whose blanks part digit groups of a telephone or
// account number, not thousands.
bool NamesADialledNumber(const std::string& word) {
    static const char* const kWords[] = {"tel.",  "tel",    "telefon", "telefonu", "nr",   "nr.",
                                         "numer", "numeru", "faks",    "fax",      "kom.", "konta"};
    for (const char* listed : kWords)
        if (word == listed) return true;
    return false;
}

// "25 000", "1 200 000": groups of three digits after a blank or a no-break
// space (or the narrow one, which arrives as a no-break space) continue the
// number. A run that goes on with a group of another length ("22 333 44
// 55") and three groups of three without a unit ("601 234 567") are
// telephone numbers, left to be read group by group.
bool TakeSpacedGroups(const char* text, uint32_t start, uint32_t& p, std::string& integer) {
    if (integer.size() > 3 || NamesADialledNumber(PreviousWord(text, start))) return false;
    // A group right after another number's digits is part of a dialled one.
    if (start >= 2 && IsGroupSpace(text[start - 1]) && IsDigit(text[start - 2])) return false;
    std::string digits = integer;
    uint32_t q = p;
    int groups = 0;
    while (IsGroupSpace(text[q]) && IsDigit(text[q + 1])) {
        uint32_t r = q + 1;
        while (IsDigit(text[r]) && r - q <= 4) ++r;
        if (r - q - 1 != 3) return false;
        digits.append(text + q + 1, 3);
        q = r;
        ++groups;
    }
    if (groups == 0 || digits.size() > kMaxIntegerDigits) return false;
    if (groups == 2 && integer.size() == 3 && !ScanUnit(text, q)) return false;
    integer = digits;
    p = q;
    return true;
}

}  // namespace

std::optional<SNumberText> ScanPlainNumber(const char* text, uint32_t position,
                                           const SAttribute& switches) {
    SNumberText number;
    uint32_t p = position;
    number.integer =
        ReadDigitGroups(text, p, switches.thousandsSeparator, true, kMaxIntegerDigits + 1);
    if (number.integer.empty() || number.integer.size() > kMaxIntegerDigits) return std::nullopt;
    if (number.integer[0] != '0')
        number.spacedGroups = TakeSpacedGroups(text, position, p, number.integer);
    if (text[p] == switches.decimalSeparator && IsDigit(text[p + 1])) {
        ++p;
        number.fraction = ReadDigitGroups(text, p, '\0', false, kMaxFractionDigits + 1);
        if (number.fraction.size() > kMaxFractionDigits) return std::nullopt;
    } else if (text[p] == '.' && IsDigit(text[p + 1])) {
        return std::nullopt;  // "12.30": the plain reader says the period
    }
    // "007" is read digit by digit by the plain reader.
    if (number.integer[0] == '0' && number.integer.size() > 1) return std::nullopt;
    // A lone zero is read as the plain reader reads it, unless a unit
    // follows ("0°C", "0 zł"), which must agree with it.
    if (number.integer == "0" && number.fraction.empty()) {
        auto unit = ScanUnit(text, p);
        if (!unit || unit->unit->writtenOut || unit->unit->multiplier) return std::nullopt;
    }
    number.value = ValueOf(number.integer);
    number.fractionValue = ValueOf(number.fraction);
    number.end = p;
    return number;
}
