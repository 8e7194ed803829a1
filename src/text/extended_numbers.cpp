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
#include "text/dates.h"
#include "text/governed_hour_noun.h"
#include "text/governing_prepositions.h"
#include "text/number_words.h"
#include "text/numbers.h"
#include "text/numeral_cases.h"
#include "text/times.h"
#include "text/unit_agreement.h"
#include "text/word_sink.h"

namespace {

constexpr size_t kMaxIntegerDigits = 9;   // longer numbers stay with the plain reader
constexpr size_t kMaxFractionDigits = 6;  // the longest with a denominator word
constexpr uint32_t kMaxLookBehind = 32;
constexpr int kMaxDay = 31;
constexpr int kMaxYear = 2999;
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

std::string Lowered(const char* text, uint32_t from, uint32_t to) {
    std::string word;
    for (uint32_t i = from; i < to; ++i) word += static_cast<char>(ToLowerChar(U(text[i])));
    return word;
}

// The word just before `position` (letters, with a period after them),
// lower-cased; empty when there is none.
std::string PreviousWord(const char* text, uint32_t position) {
    uint32_t end = position;
    while (end > 0 && text[end - 1] == ' ') --end;
    uint32_t start = end;
    if (start > 0 && text[start - 1] == '.') --start;
    while (start > 0 && IsLetter(U(text[start - 1])) && end - start < kMaxLookBehind) --start;
    return Lowered(text, start, end);
}

// The run of letters at `position`, lower-cased; `end` is set after it.
std::string LetterWordAt(const char* text, uint32_t position, uint32_t& end) {
    end = position;
    while (IsLetter(U(text[end])) && end - position < kMaxLookBehind) ++end;
    return Lowered(text, position, end);
}

// An abbreviation's period is part of it while the sentence goes on after it
// in lower case; otherwise it is left to end the sentence.
uint32_t AfterAbbreviationPeriod(const char* text, uint32_t end) {
    if (text[end] == '.' && text[end + 1] == ' ' && IsLowerLetter(U(text[end + 2]))) return end + 1;
    if (text[end] == '.' && text[end + 1] == ',') return end + 1;
    return end;
}

// " r." or " roku" after a year. `abbreviated` tells which.
std::optional<uint32_t> YearWordEnd(const char* text, uint32_t position, bool& abbreviated) {
    uint32_t start = text[position] == ' ' ? position + 1 : position;
    uint32_t end = 0;
    const std::string word = LetterWordAt(text, start, end);
    if (word == "r") {
        abbreviated = true;
        return AfterAbbreviationPeriod(text, end);
    }
    if (word == "roku") {
        abbreviated = false;
        return end;
    }
    return std::nullopt;
}

// The word before the one that ends at `position`, as PreviousWord gives it.
std::string WordBeforePrevious(const char* text, uint32_t position) {
    uint32_t end = position;
    while (end > 0 && text[end - 1] == ' ') --end;
    if (end > 0 && text[end - 1] == '.') --end;
    uint32_t start = end;
    while (start > 0 && IsLetter(U(text[start - 1])) && end - start < kMaxLookBehind) --start;
    if (start == end) return std::string();
    return PreviousWord(text, start);
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

// A numeric date, its day in the genitive; a " r." or " roku" after it is
// already said.
std::optional<SReading> NumericDate(const char* text, uint32_t position,
                                    const SAttribute& switches) {
    if (!switches.convertDate) return std::nullopt;
    auto found = ScanDate(text, position, switches);
    if (!found) return std::nullopt;
    uint32_t end = position + found->second;
    bool abbreviated = false;
    if (auto yearWordEnd = YearWordEnd(text, end, abbreviated)) end = *yearWordEnd;
    return SReading{found->first.ToWords(true), end};
}

std::optional<SNumberText> ScanPlainNumber(const char* text, uint32_t position,
                                           const SAttribute& switches) {
    SNumberText number;
    uint32_t p = position;
    number.integer =
        ReadDigitGroups(text, p, switches.thousandsSeparator, true, kMaxIntegerDigits + 1);
    if (number.integer.empty() || number.integer.size() > kMaxIntegerDigits) return std::nullopt;
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

// "3 maja": a day before a genitive month name is a genitive ordinal.
std::optional<SReading> DayBeforeMonth(const char* text, const SNumberText& number) {
    if (!number.fraction.empty() || number.value < 1 || number.value > kMaxDay) return std::nullopt;
    if (text[number.end] != ' ') return std::nullopt;
    uint32_t end = 0;
    const int month = MonthOfGenitiveName(LetterWordAt(text, number.end + 1, end));
    if (month == 0 || number.value > DaysInMonth(month)) return std::nullopt;
    return SReading{GenitiveDayWords(static_cast<int>(number.value)), number.end};
}

// "1791 r.", "1989 roku": a genitive ordinal year.
std::optional<SReading> YearBeforeYearWord(const char* text, const SNumberText& number) {
    if (!number.fraction.empty() || number.value < 1 || number.value > kMaxYear)
        return std::nullopt;
    bool abbreviated = false;
    auto end = YearWordEnd(text, number.end, abbreviated);
    if (!end) return std::nullopt;
    std::string words = YearOrdinalWords(static_cast<int>(number.value));
    if (!abbreviated) return SReading{words, number.end};  // the text says "roku" itself
    return SReading{words + ResourceString(date_ids::kYearWord) + ' ', *end};
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
    } else {
        words = NumberWords(number, unit.gender) +
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

std::optional<SReading> ReadFromDigit(const char* text, uint32_t position,
                                      const SAttribute& switches) {
    if (auto time = TimeAfterHourWord(text, position, switches)) return time;
    if (auto date = NumericDate(text, position, switches)) return date;
    if (!switches.convertNumber) return std::nullopt;
    auto number = ScanPlainNumber(text, position, switches);
    if (!number) return std::nullopt;
    if (auto day = DayBeforeMonth(text, *number)) return day;
    if (auto year = YearBeforeYearWord(text, *number)) return year;
    if (auto governed = GovernedCount(text, position, *number)) return governed;
    return NumberWithUnit(text, *number);
}

void Append(const char* text, uint32_t from, const SReading& reading, SWordSink& sink) {
    sink.AppendText(reading.words, std::string(text + from, text + reading.end));
}

}  // namespace

bool ReadExtendedNumber(const char* text, uint32_t& position, const SAttribute& switches,
                        SWordSink& sink) {
    if (text[position] == '-') {
        if (!IsDigit(text[position + 1])) return false;
        uint32_t p = position + 1;
        auto reading = ReadFromDigit(text, p, switches);
        // Between digits the hyphen is a dash: a range, a telephone number,
        // a postal code. Only a leading one is a sign.
        if (position > 0 && IsDigit(text[position - 1])) {
            if (reading) {
                Append(text, p, *reading, sink);
                position = reading->end;
                return true;
            }
            if (!ReadNumber(text, p, switches, sink)) return false;
            position = p;
            return true;
        }
        if (!reading) return false;
        sink.AppendWord(ResourceString(number_ids::kMinus), "-", 1, 0);
        Append(text, p, *reading, sink);
        position = reading->end;
        return true;
    }
    if (!IsDigit(text[position])) return false;
    auto reading = ReadFromDigit(text, position, switches);
    if (!reading) return false;
    Append(text, position, *reading, sink);
    position = reading->end;
    return true;
}
