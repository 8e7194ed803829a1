#include "text/hour_ranges.h"

#include <cstring>

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
    static const char* const kWords[] = {"czynn", "otwart", "pracuj", "przyjmuj", "zapraszam",
                                         "godzinach", "dyżur"};
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

}  // namespace

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
