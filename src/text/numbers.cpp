#include "text/numbers.h"

#include <string_view>

#include "core/attribute.h"
#include "resources/number_words.h"
#include "resources/resource_strings.h"
#include "text/dates.h"
#include "text/extended_numbers.h"
#include "text/number_words.h"
#include "text/times.h"
#include "text/word_sink.h"

namespace {

constexpr size_t kDigitByDigitLength = 10;  // integers this long are read digit by digit
constexpr int kMaxFractionForSNumber = 8;   // more fraction digits do not fit its value
// One reading takes at most this many digits (and a source token at most this
// many characters); longer runs go on as the next number, so that a text of
// digits grows its sentences piece by piece like any other text.
constexpr size_t kMaxNumberDigits = 64;
constexpr unsigned char kShortestPause = 7;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The source token of dates, times and long numbers: up to the next blank
// when dates are read, else the run of digits (after a leading '-').
std::string SourceToken(const char* text, uint32_t position, bool convertDate) {
    const char* start = text + position;
    const char* end = start;
    if (convertDate) {
        while (*end && *end != ' ' && static_cast<size_t>(end - start) < kMaxNumberDigits) ++end;
    } else {
        if (*end == '-') ++end;
        while (IsDigit(*end) && static_cast<size_t>(end - start) < kMaxNumberDigits) ++end;
    }
    return std::string(start, end);
}

int32_t ValueOf(std::string_view digits) {
    int32_t value = 0;
    for (char d : digits) value = value * 10 + (d - '0');
    return value;
}

// Each digit's name as its own word; the first starts a new piece of source.
void AppendDigitNames(std::string_view digits, const std::string& source, SWordSink& sink,
                      bool pauseAfterEach) {
    bool first = true;
    for (char d : digits) {
        sink.AppendWord(SNumber::DigitWord(d - '0'), source, 1, first ? 0 : 1);
        if (pauseAfterEach) sink.AppendMarker(kShortestPause);
        first = false;
    }
}

bool ReadDateOrTime(const char* text, uint32_t& position, const std::string& token,
                    const SAttribute& switches, SWordSink& sink) {
    if (switches.convertDate && ReadDate(text, position, token, switches, sink)) return true;
    if (switches.convertTime && ReadTime(text, position, token, switches, sink)) return true;
    return false;
}

// Words of integer and fraction. Fractions too long for a denominator word
// are read digit by digit after "i", whatever their length.
std::string NumberWords(const std::string& integer, const std::string& fraction) {
    if (static_cast<int>(fraction.size()) <= kMaxFractionForSNumber)
        return SNumber(ValueOf(integer), ValueOf(fraction), static_cast<int>(fraction.size()))
            .ToWords();
    std::string words = SNumber(ValueOf(integer)).ToWords();
    words += ResourceString(number_ids::kFractionAnd) + ' ';
    for (char d : fraction) words += SNumber::DigitWord(d - '0') + ' ';
    return words;
}

}  // namespace

void AppendWordsOf(const std::string& words, const std::string& sourceText, int closes,
                   SWordSink& sink) {
    size_t start = 0;
    while (start < words.size()) {
        size_t end = words.find(' ', start);
        if (end == std::string::npos) end = words.size();
        if (end > start) sink.AppendWord(words.substr(start, end - start), sourceText, closes, 0);
        start = end + 1;
    }
}

std::string ReadDigitGroups(const char* text, uint32_t& position, char thousandsSeparator,
                            bool allowGrouping, size_t maxDigits) {
    std::string result, group;
    int separators = 0;
    uint32_t lastSeparator = position;
    for (;;) {
        char c = text[position];
        if (IsDigit(c) && result.size() + group.size() < maxDigits) {
            group += c;
            ++position;
        } else if (c != '\0' && c == thousandsSeparator && allowGrouping &&
                   (separators == 0 || group.size() == 3)) {
            result += group;
            group.clear();
            lastSeparator = position;
            ++position;
            ++separators;
        } else {
            if (separators != 0 && group.size() != 3) {
                position = lastSeparator;
                group.clear();
            }
            break;
        }
    }
    return result + group;
}

bool ReadNumber(const char* text, uint32_t& position, const SAttribute& switches, SWordSink& sink) {
    if (switches.extendedReading && ReadExtendedNumber(text, position, switches, sink)) return true;
    if (!IsDigit(text[position]) && text[position] != '-') return false;
    const std::string token = SourceToken(text, position, switches.convertDate);
    if (IsDigit(text[position]) && ReadDateOrTime(text, position, token, switches, sink))
        return true;

    uint32_t cursor = position;
    if (text[cursor] == '-') {
        if (!IsDigit(text[cursor + 1])) return false;
        ++cursor;
        sink.AppendWord(ResourceString(number_ids::kMinus), "-", 1, 0);
    }
    std::string integer =
        ReadDigitGroups(text, cursor, switches.thousandsSeparator, true, kMaxNumberDigits);
    if (integer.size() >= kDigitByDigitLength) {
        AppendDigitNames(integer, token, sink, true);
        position = cursor;
        return true;
    }

    std::string fraction, source = integer;
    bool sayPeriod = false;
    char s = text[cursor];
    if ((s == switches.decimalSeparator || s == '.') && s != '\0' && IsDigit(text[cursor + 1])) {
        ++cursor;
        source += s;
        if (switches.decimalSeparator == '.' || s != '.') {
            fraction =
                ReadDigitGroups(text, cursor, switches.thousandsSeparator, false, kMaxNumberDigits);
            source += fraction;
        } else {
            sayPeriod = true;
        }
    }

    if (!switches.convertNumber || (integer[0] == '0' && fraction.empty())) {
        AppendDigitNames(integer, source, sink, false);
        if (!fraction.empty()) {
            sink.AppendWord(ResourceString(number_ids::kDigitFractionAnd), fraction, 1, 0);
            for (char d : fraction) sink.AppendWord(SNumber::DigitWord(d - '0'), fraction, 1, 0);
        }
    } else {
        sink.AppendText(NumberWords(integer, fraction), source);
    }
    if (sayPeriod) sink.AppendWord(ResourceString(number_ids::kPeriod), ".", 1, 0);
    position = cursor;
    return true;
}
