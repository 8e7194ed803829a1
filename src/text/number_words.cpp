#include "text/number_words.h"

#include <cstdint>

#include "resources/number_words.h"
#include "resources/resource_strings.h"

namespace {

const std::string& Unit(int n) {
    return ResourceString(number_ids::kUnitsFirst + n);
}
const std::string& Teen(int n) {
    return ResourceString(number_ids::kTeensFirst + n - 10);
}
const std::string& Tens(int n) {
    return ResourceString(number_ids::kTensFirst + n / 10 - 2);
}
const std::string& Hundreds(int n) {
    return ResourceString(number_ids::kHundredsFirst + n / 100 - 1);
}

void AddWord(std::string& out, const std::string& word) {
    out += word;
    out += ' ';
}

// Thousands of a count below one million: "tysiąc", "dwa tysiące" ...
void AddThousands(std::string& out, int64_t thousands) {
    if (thousands > 1) out += SNumber::HundredsGroupWords(static_cast<int>(thousands), false);
    AddWord(out, ThousandFormWord(CountFormOf(thousands)));
}

}  // namespace

SNumber::SNumber(int64_t integer, int32_t fraction, int fractionDigits)
    : integer_(integer),
      fraction_(fraction > 0 && fractionDigits > 0 ? fraction : 0),
      fractionDigits_(fraction > 0 && fractionDigits > 0 ? fractionDigits : 0) {}

const std::string& SNumber::DigitWord(int digit) {
    static const std::string none;
    return digit >= 0 && digit <= 9 ? Unit(digit) : none;
}

std::string SNumber::HundredsGroupWords(int n, bool feminine) {
    std::string out;
    if (n < 0 || n > 999) return out;
    if (n >= 100) {
        AddWord(out, Hundreds(n));
        n %= 100;
    }
    if (n >= 20) {
        AddWord(out, Tens(n));
        int unit = n % 10;
        if (unit == 2 && feminine)
            AddWord(out, FeminineTwoWord());
        else if (unit > 0)
            AddWord(out, Unit(unit));
    } else if (n >= 10) {
        AddWord(out, Teen(n));
    } else if (n >= 1) {
        if (feminine && n == 1)
            AddWord(out, FeminineOneWord());
        else if (feminine && n == 2)
            AddWord(out, FeminineTwoWord());
        else
            AddWord(out, Unit(n));
    }
    return out;
}

std::string SNumber::IntegerWords(int64_t n) {
    std::string out;
    if (n <= 0) {
        if (n == 0) AddWord(out, Unit(0));
        return out;
    }
    if (n >= 1000000000) {
        // Beyond the tables' reach: one digit name after another.
        for (char d : std::to_string(n)) AddWord(out, DigitWord(d - '0'));
        return out;
    }
    int64_t millions = n / 1000000;
    if (millions >= 1) {
        if (millions > 1) out += HundredsGroupWords(static_cast<int>(millions), false);
        AddWord(out, MillionFormWord(CountFormOf(millions)));
        n -= millions * 1000000;
    }
    int64_t thousands = n / 1000;
    if (thousands >= 1) {
        AddThousands(out, thousands);
        n -= thousands * 1000;
    }
    if (n > 0) out += HundredsGroupWords(static_cast<int>(n), false);
    return out;
}

std::string SNumber::FractionWords() const {
    std::string out;
    AddWord(out, ResourceString(number_ids::kFractionAnd));
    if (fractionDigits_ > kMaxWordedFractionDigits) {
        std::string digits = std::to_string(fraction_);
        if (static_cast<int>(digits.size()) < fractionDigits_)
            digits.insert(0, fractionDigits_ - digits.size(), '0');
        for (char d : digits) AddWord(out, DigitWord(d - '0'));
        return out;
    }
    // Below 10^6 here, so the thousands fit one hundreds group.
    int thousands = fraction_ / 1000;
    if (thousands >= 1) AddThousands(out, thousands);
    int rest = fraction_ % 1000;
    if (rest > 0) out += HundredsGroupWords(rest, rest < 3 || rest % 10 == 2);
    AddWord(out, FractionFormWord(fractionDigits_, CountFormOf(rest > 0 ? rest : thousands)));
    return out;
}

std::string SNumber::ToWords() const {
    std::string out;
    int64_t magnitude = integer_;
    if (magnitude < 0) {
        AddWord(out, ResourceString(number_ids::kMinus));
        magnitude = magnitude == INT64_MIN ? INT64_MAX : -magnitude;
    }
    out += IntegerWords(magnitude);
    if (fraction_ > 0) out += FractionWords();
    return out;
}
