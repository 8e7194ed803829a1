#include "text/times.h"

#include <cstring>

#include "core/attribute.h"
#include "model/chars.h"
#include "platform/codepage.h"
#include "resources/date_words.h"
#include "resources/resource_strings.h"
#include "text/numbers.h"
#include "text/word_sink.h"

namespace {

constexpr size_t kMinTimeLength = 4;
constexpr int kMaxFields = 3;

enum class SUnit { kNone, kMinutes, kSeconds };
enum class SClockCase { kNominative, kGenitive, kAccusative };

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

const std::string& R(int id) {
    return ResourceString(id);
}

std::string Append(std::string out, const std::string& word) {
    out += word;
    if (!out.empty() && out.back() != ' ') out += ' ';
    return out;
}

std::string HourStemWord(int h, SClockCase grammaticalCase) {
    const STimeWords& w = TimeWords();
    std::string stem = R(date_ids::kHourStemsFirst + (h >= 20 ? 19 : h - 1));
    if (grammaticalCase == SClockCase::kNominative) return stem + w.hourNominative;
    return stem + (h == 2 ? w.hourGenitiveAfterDrug : w.hourGenitive);
}

std::string HourStemIn(int h, SGrammaticalCase hourCase) {
    static const std::string instrumental = Utf8ToCp1250("ą");
    switch (hourCase) {
        case SGrammaticalCase::kNominative:
            return HourStemWord(h, SClockCase::kNominative);
        case SGrammaticalCase::kAccusative:
        case SGrammaticalCase::kInstrumental:
            return R(date_ids::kHourStemsFirst + (h >= 20 ? 19 : h - 1)) + instrumental;
        case SGrammaticalCase::kGenitive:
        case SGrammaticalCase::kDative:
        case SGrammaticalCase::kLocative:
            break;
    }
    return HourStemWord(h, SClockCase::kGenitive);
}

// A count of 2..59 as clock numerals: "dwie", "dwadzieścia dwa", "jedenaście".
std::string CountWords(int a) {
    using namespace date_ids;
    std::string out;
    if (a >= 20) {
        out = Append(out, R(kTimeTensFirst + a / 10 - 2));
        if (a % 10 != 0) out = Append(out, R(kTimeUnitsFirst + a % 10));
    } else if (a >= 11) {
        out = Append(out, R(kTimeTeensFirst + a - 11));
    } else if (a == 2) {
        out = Append(out, TimeWords().twoFeminine);
    } else {
        out = Append(out, R(kTimeUnitsFirst + a));
    }
    return out;
}

bool TakesManyForm(int a) {
    int last = a % 10;
    return last == 0 || last == 1 || last >= 5 || (a >= 12 && a <= 14);
}

std::string AmountWords(int a, SUnit unit, SClockCase grammaticalCase, bool withAnd) {
    const STimeWords& w = TimeWords();
    if (unit == SUnit::kNone) {
        if (a <= 9) return Append(Append("", w.zero), R(date_ids::kTimeUnitsFirst + a));
        return CountWords(a);
    }
    std::string out;
    if (unit == SUnit::kSeconds && a > 0 && withAnd) out = Append(out, w.andWord);
    bool accusative = grammaticalCase == SClockCase::kAccusative;
    if (a == 1) {
        if (unit == SUnit::kSeconds)
            out = Append(out, accusative ? w.oneAccusative : w.oneNominative);
        if (unit == SUnit::kMinutes)
            return Append(out, accusative ? w.minuteAccusative : w.minuteNominative);
        return Append(out, accusative ? w.secondAccusative : w.secondNominative);
    }
    out += CountWords(a);
    bool many = TakesManyForm(a);
    if (unit == SUnit::kMinutes) return Append(out, many ? w.minutesMany : w.minutesFew);
    return Append(out, many ? w.secondsMany : w.secondsFew);
}

}  // namespace

std::string HourWordsIn(int hour, SGrammaticalCase hourCase, bool hours24) {
    int h = hours24 ? hour : hour % 12;
    if (h == 0) h = hours24 ? 24 : 12;
    std::string out = HourStemIn(h, hourCase) + ' ';
    if (h > 20) out += HourStemIn(h - 20, hourCase) + ' ';
    return out;
}

std::string STime::ToWordsIn(SGrammaticalCase hourCase, const SAttribute& switches) const {
    if (hourCase == SGrammaticalCase::kNominative) return ToWords(switches);
    if (switches.colloquialTime && minutes != 0) return ToWords(switches);
    const bool saySeconds = switches.readSeconds && seconds > 0;
    const std::string secondsPart =
        saySeconds ? AmountWords(seconds, SUnit::kSeconds, SClockCase::kNominative, true) : "";
    const std::string hourPart = HourWordsIn(hour, hourCase, switches.hours24);
    const bool bare =
        minutes == 0 && (switches.colloquialTime || (switches.bareFullHour && seconds == 0));
    if (bare) return hourPart + secondsPart;
    return hourPart + AmountWords(minutes, SUnit::kNone, SClockCase::kNominative, false) + secondsPart;
}

bool STime::IsValid() const {
    return hour >= 0 && hour <= 23 && minutes >= 0 && minutes <= 59 && seconds >= 0 &&
           seconds <= 59;
}

std::string STime::ToWords(const SAttribute& switches) const {
    const STimeWords& w = TimeWords();
    const bool h24 = switches.hours24;
    const bool saySeconds = switches.readSeconds && seconds > 0;
    const std::string secondsPart =
        saySeconds ? AmountWords(seconds, SUnit::kSeconds, SClockCase::kNominative, true) : "";
    const int nextHour = (hour + 1) % 24;

    if (switches.bareFullHour && minutes == 0 && seconds == 0)
        return HourWordsIn(hour, SGrammaticalCase::kNominative, h24);
    if (!switches.colloquialTime)
        return HourWordsIn(hour, SGrammaticalCase::kNominative, h24) +
               AmountWords(minutes, SUnit::kNone, SClockCase::kNominative, false) + secondsPart;
    if (minutes == 0) return HourWordsIn(hour, SGrammaticalCase::kNominative, h24) + secondsPart;
    if (minutes < 30)
        return AmountWords(minutes, SUnit::kMinutes, SClockCase::kNominative, false) + secondsPart +
               w.past + HourWordsIn(hour, SGrammaticalCase::kGenitive, h24);
    if (minutes == 30) {
        std::string out;
        if (saySeconds)
            out = AmountWords(seconds, SUnit::kSeconds, SClockCase::kNominative, false) + w.past;
        return out + w.halfTo + HourWordsIn(nextHour, SGrammaticalCase::kGenitive, h24);
    }
    std::string out = w.to;
    int minutesLeft = saySeconds ? 59 - minutes : 60 - minutes;
    if (minutesLeft > 0)
        out += AmountWords(minutesLeft, SUnit::kMinutes, SClockCase::kAccusative, false);
    if (saySeconds)
        out += AmountWords(60 - seconds, SUnit::kSeconds, SClockCase::kAccusative, minutesLeft > 0);
    return out + HourWordsIn(nextHour, SGrammaticalCase::kNominative, h24);
}

std::optional<std::pair<STime, uint32_t>> ScanTime(const char* text, uint32_t start) {
    if (!HasAtLeast(text, start, kMinTimeLength) || !IsDigit(text[start])) return std::nullopt;
    int values[kMaxFields] = {0, 0, 0};
    int digits[kMaxFields] = {0, 0, 0};
    int field = 0;
    uint32_t position = start;
    for (;; ++position) {
        char c = text[position];
        if (IsDigit(c)) {
            // More than two digits is no clock field, wherever it stands.
            if (++digits[field] > 2) return std::nullopt;
            values[field] = values[field] * 10 + (c - '0');
        } else if (c == ':') {
            if (field == kMaxFields - 1) return std::nullopt;
            ++field;
        } else {
            break;
        }
    }
    if (field < 1) return std::nullopt;
    for (int i = 0; i <= field; ++i)
        if (digits[i] == 0) return std::nullopt;  // "7:" or "7::05" is no time
    STime time{values[0], values[1], field == 2 ? values[2] : 0};
    if (!time.IsValid()) return std::nullopt;
    return std::make_pair(time, position - start);
}

bool ReadTime(const char* text, uint32_t& position, const std::string& token,
              const SAttribute& switches, SWordSink& sink) {
    auto found = ScanTime(text, position);
    if (!found) return false;
    AppendWordsOf(found->first.ToWords(switches), token, 0, sink);
    uint32_t end = position + found->second;

    uint32_t look = end;
    while (text[look] == ' ' || text[look] == '\t') ++look;
    char first = text[look];
    bool morning = first == 'a' || first == 'A';
    bool afternoon = first == 'p' || first == 'P';
    if ((morning || afternoon) && (text[look + 1] == 'm' || text[look + 1] == 'M') &&
        !IsWordChar(static_cast<unsigned char>(text[look + 2]))) {
        sink.AppendText(R(morning ? date_ids::kMorning : date_ids::kAfternoon), token);
        end = look + 2;
    }
    position = end;
    return true;
}
