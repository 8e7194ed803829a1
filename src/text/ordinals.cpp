#include "text/ordinals.h"

namespace {

constexpr int kMaxOrdinal = 999;

std::string Inflected(const std::string& stem, SGender gender, SCase grammaticalCase) {
    return stem + OrdinalEnding(stem, gender, grammaticalCase) + ' ';
}

}  // namespace

std::string OrdinalWords(int n, SGender gender, SCase grammaticalCase) {
    if (n < 1 || n > kMaxOrdinal) return std::string();
    std::string words;
    if (n >= 100) words += Inflected(OrdinalHundredsStem(n / 100), gender, grammaticalCase);
    n %= 100;
    if (n >= 20) {
        words += Inflected(OrdinalTensStem(n / 10), gender, grammaticalCase);
        n %= 10;
    }
    if (n >= 1) words += Inflected(OrdinalUnitStem(n), gender, grammaticalCase);
    return words;
}
