#include "text/unit_agreement.h"

#include <cstring>

#include "model/chars.h"
#include "resources/number_words.h"
#include "text/number_words.h"

namespace {

bool EndsWord(const char* text, uint32_t position) {
    unsigned char c = static_cast<unsigned char>(text[position]);
    return !IsLetter(c) && !IsDigitChar(c);
}

bool WritingAt(const char* text, uint32_t position, const std::string& writing) {
    for (size_t i = 0; i < writing.size(); ++i)
        if (text[position + i] != writing[i]) return false;  // stops at the text's NUL
    const unsigned char last = static_cast<unsigned char>(writing.back());
    return !IsLetter(last) || EndsWord(text, position + static_cast<uint32_t>(writing.size()));
}

}  // namespace

const std::string& UnitForm(const SUnitWord& unit, int64_t integer, bool hasFraction) {
    if (hasFraction) return unit.forms.fraction;
    switch (CountFormOf(integer)) {
        case SCountForm::kOne:
            return unit.forms.one;
        case SCountForm::kFew:
            return unit.forms.few;
        case SCountForm::kMany:
            break;
    }
    return unit.forms.many;
}

std::string GenderedIntegerWords(int64_t n, SGender gender) {
    std::string words = SNumber::IntegerWords(n);
    if (gender == SGender::Masculine) return words;
    if (n == 1) return gender == SGender::Feminine ? "jedna " : "jedno ";
    const std::string two = "dwa ";
    if (gender == SGender::Feminine && n % 10 == 2 && n % 100 != 12 && words.size() >= two.size() &&
        words.compare(words.size() - two.size(), two.size(), two) == 0)
        words.replace(words.size() - two.size(), two.size(), "dwie ");
    return words;
}

std::optional<SUnitMatch> ScanUnit(const char* text, uint32_t position) {
    if (text[position] == ' ') ++position;
    for (const SUnitWord& unit : UnitWords())
        for (const std::string& writing : unit.writings)
            if (!writing.empty() && WritingAt(text, position, writing))
                return SUnitMatch{&unit, position + static_cast<uint32_t>(writing.size())};
    return std::nullopt;
}
