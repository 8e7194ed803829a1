#include "text/scan_words.h"

#include "model/chars.h"
#include "text/governing_prepositions.h"

namespace {

constexpr uint32_t kMaxLookBehind = 32;

unsigned char U(char c) {
    return static_cast<unsigned char>(c);
}

}  // namespace

std::string LoweredSpan(const char* text, uint32_t from, uint32_t to) {
    std::string word;
    for (uint32_t i = from; i < to; ++i) word += static_cast<char>(ToLowerChar(U(text[i])));
    return word;
}

std::string PreviousWord(const char* text, uint32_t position) {
    uint32_t end = position;
    while (end > 0 && text[end - 1] == ' ') --end;
    uint32_t start = end;
    if (start > 0 && text[start - 1] == '.') --start;
    while (start > 0 && IsLetter(U(text[start - 1])) && end - start < kMaxLookBehind) --start;
    return LoweredSpan(text, start, end);
}

std::string WordBeforePrevious(const char* text, uint32_t position) {
    uint32_t end = position;
    while (end > 0 && text[end - 1] == ' ') --end;
    if (end > 0 && text[end - 1] == '.') --end;
    uint32_t start = end;
    while (start > 0 && IsLetter(U(text[start - 1])) && end - start < kMaxLookBehind) --start;
    if (start == end) return std::string();
    return PreviousWord(text, start);
}

std::string LetterWordAt(const char* text, uint32_t position, uint32_t& end) {
    end = position;
    while (IsLetter(U(text[end])) && end - position < kMaxLookBehind) ++end;
    return LoweredSpan(text, position, end);
}

std::string WrittenWordAt(const char* text, uint32_t position, uint32_t& end) {
    end = position;
    while (IsLetter(U(text[end])) && end - position < kMaxLookBehind) ++end;
    return std::string(text + position, text + end);
}

uint32_t AfterAbbreviationPeriod(const char* text, uint32_t end) {
    if (text[end] == '.' && text[end + 1] == ' ' && IsLowerLetter(U(text[end + 2]))) return end + 1;
    if (text[end] == '.' && text[end + 1] == ',') return end + 1;
    return end;
}

bool StartsSentence(const char* text, uint32_t position) {
    uint32_t end = position;
    while (end > 0 && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
    if (end == 0) return true;
    const char before = text[end - 1];
    if (before == '!' || before == '?' || before == '\n' || before == '\r') return true;
    if (before != '.') return false;
    return !IsGoverningPreposition(PreviousWord(text, end));
}
