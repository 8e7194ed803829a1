#include "text/hour_ranges.h"

#include <cstring>

#include "core/attribute.h"
#include "model/chars.h"
#include "platform/codepage.h"
#include "text/scan_words.h"
#include "text/times.h"
#include "text/unit_agreement.h"

namespace {

constexpr int64_t kLastHour = 24;
constexpr int64_t kEarliestOpening = 5;  // "od 1-10" is a count, not a working day
constexpr uint32_t kContextChars = 48;   // how far back "czynne" may stand

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Words that announce opening or working hours.
bool HasHoursContext(const char* text, uint32_t start) {
    static const char* const kWords[] = {"czynn",     "otwart", "pracuj", "przyjmuj", "zapraszam",
                                         "godzinach", "dyżur",  "kursuj", "odjeżdż",  "nieczynn"};
    const uint32_t from = start > kContextChars ? start - kContextChars : 0;
    const std::string before = LoweredSpan(text, from, start);
    for (const char* word : kWords)
        if (before.find(Utf8ToCp1250(word)) != std::string::npos) return true;
    return false;
}

// The second hour at p: its value and the position after it, when nothing
// after it makes it a time, a fraction or a count of something.
std::optional<std::pair<int64_t, uint32_t>> SecondHourAt(const char* text, uint32_t p) {
    int64_t hour = 0;
    uint32_t digits = 0;
    for (; IsDigit(text[p]) && digits < 3; ++p, ++digits) hour = hour * 10 + (text[p] - '0');
    if (digits == 0 || digits > 2 || hour > kLastHour) return std::nullopt;
    const char after = text[p];
    if (IsLetter(static_cast<unsigned char>(after)) || after == ':' ||
        ((after == '.' || after == ',') && IsDigit(text[p + 1])))
        return std::nullopt;
    if (ScanUnit(text, p)) return std::nullopt;
    uint32_t wordEnd = 0;
    const std::string next = LetterWordAt(text, after == ' ' ? p + 1 : p, wordEnd);
    if (next == "lat" || next == "lata" || next == "roku") return std::nullopt;
    return std::make_pair(hour, p);
}

bool IsDash(char c) {
    return c == '-' || static_cast<unsigned char>(c) == 0x96;
}

// One end of a range: a full hour (1..24) or a clock time with minutes
// after a colon or a period.
struct SRangeEnd {
    STime time;
    bool minutesWritten = false;
    uint32_t end = 0;
};

std::optional<SRangeEnd> RangeEndAt(const char* text, uint32_t p) {
    SRangeEnd end;
    int digits = 0;
    for (; IsDigit(text[p]) && digits < 3; ++p, ++digits)
        end.time.hour = end.time.hour * 10 + (text[p] - '0');
    if (digits == 0 || digits > 2) return std::nullopt;
    if ((text[p] == ':' || text[p] == '.') && IsDigit(text[p + 1]) && IsDigit(text[p + 2]) &&
        !IsDigit(text[p + 3])) {
        end.time.minutes = (text[p + 1] - '0') * 10 + (text[p + 2] - '0');
        end.minutesWritten = true;
        p += 3;
        if (!end.time.IsValid()) return std::nullopt;
    } else if (end.time.hour < 1 || end.time.hour > kLastHour) {
        return std::nullopt;
    }
    end.end = p;
    return end;
}

// The two ends of "10–18" or "10:00 - 18:00" at p, when nothing after the
// second makes it a count, a decimal or a longer number.
std::optional<std::pair<SRangeEnd, SRangeEnd>> RangeAt(const char* text, uint32_t p) {
    auto first = RangeEndAt(text, p);
    if (!first) return std::nullopt;
    p = first->end;
    if (text[p] == ' ' && IsDash(text[p + 1]) && text[p + 2] == ' ') {
        p += 3;
    } else if (IsDash(text[p])) {
        ++p;
    } else {
        return std::nullopt;
    }
    auto second = RangeEndAt(text, p);
    if (!second || second->minutesWritten != first->minutesWritten) return std::nullopt;
    const char after = text[second->end];
    if (IsLetter(static_cast<unsigned char>(after)) || IsDash(after) ||
        ((after == '.' || after == ',' || after == ':' || after == '/') &&
         IsDigit(text[second->end + 1])))
        return std::nullopt;
    if (ScanUnit(text, second->end)) return std::nullopt;
    return std::make_pair(*first, *second);
}

std::string RangeEndWords(const SRangeEnd& end, const SAttribute& switches) {
    if (!end.minutesWritten)
        return HourWordsIn(end.time.hour, SGrammaticalCase::kGenitive, switches.hours24);
    return end.time.ToWordsIn(SGrammaticalCase::kGenitive, switches);
}

bool IsRangeHourWord(const std::string& word) {
    return word == "godz." || word == "godz" || word == "godziny" || word == "godzinach";
}

}  // namespace

std::optional<SHourRange> ReadHourRangeAfterHourWord(const char* text, uint32_t start,
                                                     const SAttribute& switches) {
    if (!IsRangeHourWord(PreviousWord(text, start))) return std::nullopt;
    auto range = RangeAt(text, start);
    if (!range) return std::nullopt;
    return SHourRange{"od " + RangeEndWords(range->first, switches) + "do " +
                          RangeEndWords(range->second, switches),
                      range->second.end};
}

bool StartsWithHourRange(const char* text) {
    uint32_t p = 0;
    while (text[p] == ' ') ++p;
    return RangeAt(text, p).has_value();
}

std::optional<SHourRange> ReadHourRange(const char* text, uint32_t start, int64_t first,
                                        uint32_t numberEnd, bool hours24) {
    if (first > kLastHour || PreviousWord(text, start) != "od") return std::nullopt;
    const unsigned char dash = static_cast<unsigned char>(text[numberEnd]);
    std::optional<std::pair<int64_t, uint32_t>> second;
    if ((dash == '-' || dash == 0x96) && first >= kEarliestOpening) {
        second = SecondHourAt(text, numberEnd + 1);
    } else if (std::strncmp(text + numberEnd, " do ", 4) == 0 && HasHoursContext(text, start)) {
        second = SecondHourAt(text, numberEnd + 4);
    }
    if (!second || second->first <= first) return std::nullopt;
    const SGrammaticalCase genitive = SGrammaticalCase::kGenitive;
    return SHourRange{HourWordsIn(static_cast<int>(first), genitive, hours24) + "do " +
                          HourWordsIn(static_cast<int>(second->first), genitive, hours24),
                      second->second};
}
