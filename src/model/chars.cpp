#include "model/chars.h"

namespace {

// Upper-case and lower-case byte of each Polish letter pair, same order.
constexpr unsigned char kPolishUpper[] = {0xA5, 0xC6, 0xCA, 0xA3, 0xD1, 0xD3, 0x8C, 0x8F, 0xAF};
constexpr unsigned char kPolishLower[] = {0xB9, 0xE6, 0xEA, 0xB3, 0xF1, 0xF3, 0x9C, 0x9F, 0xBF};

}  // namespace

unsigned char ToLowerChar(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c - 'A' + 'a');
    for (int i = 0; i < 9; ++i)
        if (kPolishUpper[i] == c) return kPolishLower[i];
    return c;
}

unsigned char ToUpperChar(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 'a' + 'A');
    for (int i = 0; i < 9; ++i)
        if (kPolishLower[i] == c) return kPolishUpper[i];
    return c;
}

std::string ToLowerText(std::string text) {
    for (char& c : text) c = static_cast<char>(ToLowerChar(static_cast<unsigned char>(c)));
    return text;
}

std::string ToUpperText(std::string text) {
    for (char& c : text) c = static_cast<char>(ToUpperChar(static_cast<unsigned char>(c)));
    return text;
}
