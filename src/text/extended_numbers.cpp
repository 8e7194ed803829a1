#include "text/extended_numbers.h"

#include <optional>
#include <string>
#include <vector>

#include "core/attribute.h"
#include "model/chars.h"
#include "platform/codepage.h"
#include "resources/date_words.h"
#include "resources/number_words.h"
#include "resources/resource_strings.h"
#include "text/common_fractions.h"
#include "text/counted_nouns.h"
#include "text/dates.h"
#include "text/governed_hour_noun.h"
#include "text/governing_prepositions.h"
#include "text/hour_ranges.h"
#include "text/number_compounds.h"
#include "text/number_words.h"
#include "text/numbers.h"
#include "text/numeral_cases.h"
#include "text/scan_words.h"
#include "text/times.h"
#include "text/unit_agreement.h"
#include "text/word_sink.h"
#include "text/year_reading.h"

namespace {

constexpr size_t kMaxIntegerDigits = 9;   // longer numbers stay with the plain reader
constexpr size_t kMaxFractionDigits = 6;  // the longest with a denominator word
constexpr int kMaxDay = 31;
constexpr int kMaxYear = 2999;
constexpr unsigned char kNoBreakSpace = 0xA0;
constexpr unsigned char kEnDash = 0x96;
constexpr size_t kMinStemmedNoun = 5;  // shorter nouns' stems begin too many words

// What a rule read: its words (blank-separated) and where the text it
// consumed ends.
struct SReading {
    std::string words;
    uint32_t end;
};

// A plain decimal number at the cursor.
struct SNumberText {
    std::string integer;
    std::string fraction;
    int64_t value = 0;
    int32_t fractionValue = 0;
    uint32_t end = 0;
    bool spacedGroups = false;  // "25 000": the plain reader would split it
};

unsigned char U(char c) {
    return static_cast<unsigned char>(c);
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int32_t ValueOf(const std::string& digits) {
    int32_t value = 0;
    for (char d : digits) value = value * 10 + (d - '0');
    return value;
}

// Hours and minutes joined by `separator` at `p`; nothing when the text
// there is no valid time of that form.
std::optional<SReading> ClockTimeAt(const char* text, uint32_t p, char separator,
                                    SGrammaticalCase hourCase, const SAttribute& switches) {
    int hour = 0, minutes = 0, digits = 0;
    for (; IsDigit(text[p]) && digits < 3; ++p, ++digits) hour = hour * 10 + (text[p] - '0');
    if (digits == 0 || digits > 2 || text[p] != separator) return std::nullopt;
    ++p;
    for (digits = 0; IsDigit(text[p]) && digits < 3; ++p, ++digits)
        minutes = minutes * 10 + (text[p] - '0');
    if (digits != 2) return std::nullopt;
    STime time{hour, minutes, 0};
    if (!time.IsValid()) return std::nullopt;
    return SReading{time.ToWordsIn(hourCase, switches), p};
}

// A bare full hour ("o godz. 8"): one or two digits with no clock or decimal
// part after them.
std::optional<SReading> FullHourAt(const char* text, uint32_t p, SGrammaticalCase hourCase,
                                   const SAttribute& switches) {
    int hour = 0, digits = 0;
    for (; IsDigit(text[p]) && digits < 3; ++p, ++digits) hour = hour * 10 + (text[p] - '0');
    if (digits > 2 || hour > 23) return std::nullopt;
    const char after = text[p];
    if (IsDigit(after) || IsLetter(U(after)) || after == ':' ||
        ((after == '.' || after == ',') && IsDigit(text[p + 1])))
        return std::nullopt;
    return SReading{HourWordsIn(hour, hourCase, switches.hours24), p};
}

// "godz. 12.30", and after a preposition that governs the hour also
// "o godz. 15:30" and "przed godz. 8", the hour then in that case.
std::optional<SReading> TimeAfterHourWord(const char* text, uint32_t position,
                                          const SAttribute& switches) {
    if (!switches.convertTime || !IsHourWord(PreviousWord(text, position))) return std::nullopt;
    const SGrammaticalCase hourCase =
        CaseAfterPreposition(WordBeforePrevious(text, position), SGovernedNumber::kClockHour);
    if (auto dotted = ClockTimeAt(text, position, '.', hourCase, switches)) return dotted;
    if (hourCase == SGrammaticalCase::kNominative) return std::nullopt;
    if (auto clock = ClockTimeAt(text, position, ':', hourCase, switches)) return clock;
    return FullHourAt(text, position, hourCase, switches);
}

// "o 7:05", "od 9:00 do 17:00": a clock time right after a preposition
// that governs the hour takes its case ("o siódmej zero pięć").
std::optional<SReading> TimeAfterPreposition(const char* text, uint32_t position,
                                             const SAttribute& switches) {
    if (!switches.convertTime) return std::nullopt;
    const SGrammaticalCase hourCase =
        CaseAfterPreposition(PreviousWord(text, position), SGovernedNumber::kClockHour);
    if (hourCase == SGrammaticalCase::kNominative) return std::nullopt;
    return ClockTimeAt(text, position, ':', hourCase, switches);
}

// A numeric date, its day in the genitive; a " r." or " roku" after it is
// already said.
std::optional<SReading> NumericDate(const char* text, uint32_t position,
                                    const SAttribute& switches) {
    if (!switches.convertDate) return std::nullopt;
    auto found = ScanDate(text, position, switches);
    if (!found) return std::nullopt;
    uint32_t end = position + found->second;
    if (auto yearWordEnd = DateYearNounEnd(text, end)) end = *yearWordEnd;
    return SReading{found->first.ToWords(true), end};
}

bool IsGroupSpace(char c) {
    return c == ' ' || U(c) == kNoBreakSpace;
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
    if (number.integer == "0" && number.fraction.empty()) return std::nullopt;
    number.value = ValueOf(number.integer);
    number.fractionValue = ValueOf(number.fraction);
    number.end = p;
    return number;
}

// The number's words with the integer in the unit's gender.
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

// "3 maja": a day before a genitive month name is a genitive ordinal.
std::optional<SReading> DayBeforeMonth(const char* text, const SNumberText& number) {
    if (!number.fraction.empty() || number.value < 1 || number.value > kMaxDay) return std::nullopt;
    if (text[number.end] != ' ') return std::nullopt;
    uint32_t end = 0;
    const int month = MonthOfGenitiveName(LetterWordAt(text, number.end + 1, end));
    if (month == 0 || number.value > DaysInMonth(month)) return std::nullopt;
    return SReading{GenitiveDayWords(static_cast<int>(number.value)), number.end};
}

// "1791 r.", "w 1989 roku", "przed 2000 rokiem": an ordinal year in the
// case its noun shows or the sentence gives it.
std::optional<SReading> YearBeforeYearWord(const char* text, uint32_t position,
                                           const SNumberText& number) {
    if (!number.fraction.empty() || number.value < 1 || number.value > kMaxYear)
        return std::nullopt;
    auto year = ReadYearNoun(text, position, static_cast<int>(number.value), number.end);
    if (!year) return std::nullopt;
    return SReading{year->words, year->end};
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

// "5 tys. zł": what a thousand counts is in the genitive plural. `end` is
// after the multiplier, and moves past the counted unit.
void AddCountedUnit(const char* text, std::string& words, uint32_t& end) {
    auto counted = ScanUnit(text, end);
    if (counted && !counted->unit->writtenOut && !counted->unit->multiplier) {
        words += counted->unit->forms.many + ' ';
        end = AfterAbbreviationPeriod(text, counted->end);
    }
}

// A unit, currency or counted noun after the number.
std::optional<SReading> NumberWithUnit(const char* text, const SNumberText& number) {
    auto match = ScanUnit(text, number.end);
    if (!match) return std::nullopt;
    const SUnitWord& unit = *match->unit;
    if (unit.writtenOut) {
        if (!number.fraction.empty()) return std::nullopt;
        return SReading{GenderedIntegerWords(number.value, unit.gender), number.end};
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
    return SReading{words, end};
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

// A whole number after a preposition that governs its case: "około 50%"
// is "około pięćdziesięciu procent", "z 3 osobami" "z trzema osobami".
// A unit after it follows in the genitive ("do 3 tys. zł" is "do trzech
// tysięcy złotych"); other cases of units are not in the tables, so such a
// number is left as it is.
std::optional<SReading> GovernedCount(const char* text, uint32_t position,
                                      const SNumberText& number) {
    if (!number.fraction.empty() || number.value < 1 || number.value > kMaxDeclinedCount)
        return std::nullopt;
    // "od 9:00", "do 1/2", "od 1-10": a time, a fraction or a range's first
    // end is no count of its own.
    const char after = text[number.end];
    if ((after == ':' || after == '/' || after == '-') && IsDigit(text[number.end + 1]))
        return std::nullopt;
    const std::string preposition = PreviousWord(text, position);
    const SGrammaticalCase numberCase =
        preposition == "z" ? CaseAfterZ(text, number.end)
                           : CaseAfterPreposition(preposition, SGovernedNumber::kCount);
    if (!ChangesCount(numberCase)) return std::nullopt;
    auto match = ScanUnit(text, number.end);
    if (!match) {
        const SGender gender =
            GenderOfInflectedNoun(text, number.end).value_or(GenderOfRangeEnd(text, number.end));
        auto words = DeclinedCardinalWords(number.value, numberCase, gender);
        if (!words) return std::nullopt;
        return SReading{*words, number.end};
    }
    const SUnitWord& unit = *match->unit;
    auto words = DeclinedCardinalWords(number.value, numberCase, unit.gender);
    if (!words) return std::nullopt;
    if (unit.writtenOut) return SReading{*words, number.end};
    if (numberCase != SGrammaticalCase::kGenitive) return std::nullopt;
    // The genitive singular after one, the genitive plural after the rest.
    *words += (number.value == 1 ? unit.forms.fraction : unit.forms.many) + ' ';
    uint32_t end = AfterAbbreviationPeriod(text, match->end);
    if (unit.multiplier) AddCountedUnit(text, *words, end);
    return SReading{*words, end};
}

// `wordStart` is where the number's word begins: its sign, or its first digit.
std::optional<SReading> ReadFromDigit(const char* text, uint32_t position, uint32_t wordStart,
                                      const SAttribute& switches) {
    if (switches.convertTime && position == wordStart)
        if (auto hours = ReadHourRangeAfterHourWord(text, position, switches))
            return SReading{hours->words, hours->end};
    if (auto time = TimeAfterHourWord(text, position, switches)) return time;
    if (auto time = TimeAfterPreposition(text, position, switches)) return time;
    if (auto date = NumericDate(text, position, switches)) return date;
    if (!switches.convertNumber) return std::nullopt;
    auto number = ScanPlainNumber(text, position, switches);
    if (!number) return std::nullopt;
    if (number->fraction.empty() && !number->spacedGroups && switches.convertTime)
        if (auto hours =
                ReadHourRange(text, wordStart, number->value, number->end, switches.hours24))
            return SReading{hours->words, hours->end};
    if (number->fraction.empty() && !number->spacedGroups) {
        if (auto compound = ReadHyphenCompound(text, number->value, number->end))
            return SReading{compound->words, compound->end};
        if (auto fraction = ReadCommonFraction(text, position, number->value, number->end))
            return SReading{fraction->words, fraction->end};
    }
    if (auto day = DayBeforeMonth(text, *number)) return day;
    if (auto year = YearBeforeYearWord(text, wordStart, *number)) return year;
    if (auto governed = GovernedCount(text, wordStart, *number)) return governed;
    if (number->fraction.empty())
        if (auto numeral = NumeralBeforeNoun(text, number->value, number->end))
            return SReading{*numeral, number->end};
    if (auto withUnit = NumberWithUnit(text, *number)) return withUnit;
    if (number->spacedGroups)
        return SReading{NumberWords(*number, SGender::Masculine), number->end};
    return std::nullopt;
}

// The word a sign before a number is read as.
std::string SignWord(char sign) {
    return sign == '+' ? std::string("plus") : ResourceString(number_ids::kMinus);
}

void Append(const char* text, uint32_t from, const SReading& reading, SWordSink& sink) {
    sink.AppendText(reading.words, std::string(text + from, text + reading.end));
}

}  // namespace

bool IsExtendedNumberSign(char c) {
    return c == '-' || c == '+' || U(c) == kEnDash;
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
