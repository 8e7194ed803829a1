// SNumber: a decimal number (integer part, fraction digits) turned into
// Polish cardinal words, each followed by a blank. Fractions take feminine
// numerals and a denominator word chosen by their digit count.
#pragma once

#include <cstdint>
#include <string>

class SNumber {
public:
    // The largest fraction digit count that has a denominator word.
    static constexpr int kMaxWordedFractionDigits = 6;

    // fraction holds the value of `fractionDigits` digits after the separator
    // (leading zeros count: 3,05 is fraction 5 with 2 digits). A fraction of
    // 0 or a digit count of 0 means no fraction.
    SNumber(int64_t integer, int32_t fraction = 0, int fractionDigits = 0);

    // "trzy i dwadzieścia pięć setnych ". A negative integer gets "minus".
    // Fractions of more than six digits have no denominator word: they are
    // read digit by digit after "i" (zero-padded to their digit count).
    std::string ToWords() const;

    // Words of 0..999 (an empty string for 0), each followed by a blank;
    // feminine gives "jedna"/"dwie". Values outside 0..999 give "".
    static std::string HundredsGroupWords(int n, bool feminine);

    // Words of a non-negative integer ("zero " for 0); from 10^9 on, digit names.
    static std::string IntegerWords(int64_t n);

    // The name of one digit ("zero" .. "dziewięć"), no blank.
    static const std::string& DigitWord(int digit);

private:
    std::string FractionWords() const;

    int64_t integer_;
    int32_t fraction_;
    int fractionDigits_;
};
