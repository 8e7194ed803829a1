#include "text/match_scores.h"

#include <string>

#include "platform/codepage.h"
#include "text/governing_prepositions.h"
#include "text/numeral_cases.h"
#include "text/scan_words.h"
#include "text/unit_agreement.h"

namespace {

constexpr uint32_t kContextChars = 48;  // how far back "wygrała" may stand
constexpr int kMaxScore = 99;
constexpr int kMaxRatio = 999999;  // the largest the declension tables cover
constexpr unsigned char kNoBreakSpace = 0xA0;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Words that make two numbers with a colon a score (or a ratio, read the
// same way: "w skali 1:10"), as word beginnings.
bool SpeaksOfAMatch(const char* text, uint32_t start) {
    // "mecz" and "spotkanie" are left out: "mecz o 20:45" is a time.
    static const char* const kWords[] = {"wynik", "wygra",  "przegra", "pokona",
                                         "remis", "zremis", "prowadz", "zwycię",
                                         "uleg",  "stosun", "skal",    "proporcj"};
    const uint32_t from = start > kContextChars ? start - kContextChars : 0;
    const std::string before = LoweredSpan(text, from, start);
    for (const char* word : kWords)
        if (before.find(Utf8ToCp1250(word)) != std::string::npos) return true;
    return false;
}

// One or two digits at p; p moves past them. -1 when there are none or more.
int ScoreAt(const char* text, uint32_t& p) {
    int value = 0, digits = 0;
    for (; IsDigit(text[p]) && digits < 3; ++p, ++digits) value = value * 10 + (text[p] - '0');
    return digits == 0 || digits > 2 ? -1 : value;
}

// Groups of three digits after a blank or a no-break space continue the
// number at p ("25 000"); p moves past them. False when there are none.
bool TakeThousands(const char* text, uint32_t& p, int& value) {
    bool taken = false;
    while ((text[p] == ' ' || static_cast<unsigned char>(text[p]) == kNoBreakSpace) &&
           IsDigit(text[p + 1]) && IsDigit(text[p + 2]) && IsDigit(text[p + 3]) &&
           !IsDigit(text[p + 4]) && value <= kMaxRatio / 1000) {
        value = value * 1000 + (text[p + 1] - '0') * 100 + (text[p + 2] - '0') * 10 +
                (text[p + 3] - '0');
        p += 4;
        taken = true;
    }
    return taken;
}

// The second score after "do": a noun in the genitive ("zera", "jednego").
std::string GenitiveScore(int score) {
    if (score == 0) return "zera ";
    auto words = DeclinedCardinalWords(score, SGrammaticalCase::kGenitive, SGender::Masculine);
    return words ? *words : GenderedIntegerWords(score, SGender::Masculine);
}

}  // namespace

std::optional<SNumberReading> ReadMatchScore(const char* text, uint32_t position) {
    if (position > 0 && (IsDigit(text[position - 1]) || text[position - 1] == ':'))
        return std::nullopt;
    uint32_t p = position;
    const int first = ScoreAt(text, p);
    if (first < 0 || text[p] != ':') return std::nullopt;
    const uint32_t secondStart = ++p;
    int second = ScoreAt(text, p);
    // A scale goes on in groups of three: "1:25 000".
    const bool ratio = second > 0 && TakeThousands(text, p, second);
    if (second < 0 || (second > kMaxScore && !ratio) || text[p] == ':' || IsDigit(text[p]) ||
        ((text[p] == '.' || text[p] == ',') && IsDigit(text[p + 1])))
        return std::nullopt;
    // After "o", "od", "do" ... a colon joins an hour and its minutes.
    if (IsGoverningPreposition(PreviousWord(text, position))) return std::nullopt;
    const bool oneDigit = p - secondStart == 1;
    if (ratio && !SpeaksOfAMatch(text, position)) return std::nullopt;
    if (!oneDigit && !SpeaksOfAMatch(text, position)) return std::nullopt;
    return SNumberReading{
        GenderedIntegerWords(first, SGender::Masculine) + "do " + GenitiveScore(second), p};
}
