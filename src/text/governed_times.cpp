#include "text/governed_times.h"

#include "core/attribute.h"
#include "model/chars.h"
#include "text/governed_hour_noun.h"
#include "text/governing_prepositions.h"
#include "text/scan_words.h"
#include "text/times.h"

namespace {

unsigned char U(char c) {
    return static_cast<unsigned char>(c);
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Hours and minutes joined by `separator` at `p`; nothing when the text
// there is no valid time of that form.
std::optional<SNumberReading> ClockTimeAt(const char* text, uint32_t p, char separator,
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
    return SNumberReading{time.ToWordsIn(hourCase, switches), p};
}

// A bare full hour ("o godz. 8"): one or two digits with no clock or decimal
// part after them.
std::optional<SNumberReading> FullHourAt(const char* text, uint32_t p, SGrammaticalCase hourCase,
                                         const SAttribute& switches) {
    int hour = 0, digits = 0;
    for (; IsDigit(text[p]) && digits < 3; ++p, ++digits) hour = hour * 10 + (text[p] - '0');
    if (digits > 2 || hour > 23) return std::nullopt;
    const char after = text[p];
    if (IsDigit(after) || IsLetter(U(after)) || after == ':' ||
        ((after == '.' || after == ',') && IsDigit(text[p + 1])))
        return std::nullopt;
    return SNumberReading{HourWordsIn(hour, hourCase, switches.hours24), p};
}

// "godz. 12.30", and after a preposition that governs the hour also
// "o godz. 15:30" and "przed godz. 8", the hour then in that case.
std::optional<SNumberReading> TimeAfterHourWord(const char* text, uint32_t position,
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
std::optional<SNumberReading> TimeAfterPreposition(const char* text, uint32_t position,
                                                   const SAttribute& switches) {
    if (!switches.convertTime) return std::nullopt;
    const SGrammaticalCase hourCase =
        CaseAfterPreposition(PreviousWord(text, position), SGovernedNumber::kClockHour);
    if (hourCase == SGrammaticalCase::kNominative) return std::nullopt;
    return ClockTimeAt(text, position, ':', hourCase, switches);
}

}  // namespace

std::optional<SNumberReading> ReadGovernedTime(const char* text, uint32_t position,
                                               const SAttribute& switches) {
    if (auto time = TimeAfterHourWord(text, position, switches)) return time;
    return TimeAfterPreposition(text, position, switches);
}
