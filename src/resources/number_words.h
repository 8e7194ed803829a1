// Ids of the number word resources and the fixed grammatical forms that go
// with counts (fraction denominators, thousand, million).
#pragma once

#include <string>

namespace number_ids {
constexpr int kUnitsFirst = 4230;     // "zero" .. "dziewięć"
constexpr int kTeensFirst = 4240;     // "dziesięć" .. "dziewietnaście"
constexpr int kTensFirst = 4251;      // "dwadzieścia" .. "dziewieńdziesiąt" (20..90)
constexpr int kHundredsFirst = 4260;  // "sto" .. "dziewieńcet"
constexpr int kMinus = 4513;
constexpr int kPeriod = 4514;
constexpr int kFractionAnd = 4540;       // "i"
constexpr int kDigitFractionAnd = 4542;  // "oraz"
}  // namespace number_ids

// Which of the three Polish count forms a count takes.
enum class SCountForm { kOne, kFew, kMany };

// kOne for exactly 1; kFew when the last digit is 2-4 and the count modulo
// 100 is not 12-14; kMany otherwise.
SCountForm CountFormOf(long long count);

// Denominator word for a fraction of `digits` digits (1..6) in a count form;
// an empty string for any other digit count.
const std::string& FractionFormWord(int digits, SCountForm form);
const std::string& ThousandFormWord(SCountForm form);
const std::string& MillionFormWord(SCountForm form);

// Feminine forms of one and two, used inside fractions.
const std::string& FeminineOneWord();
const std::string& FeminineTwoWord();
