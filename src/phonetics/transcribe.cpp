#include "phonetics/transcribe.h"

#include <algorithm>
#include <climits>

#include "model/allophone_ids.h"
#include "model/chars.h"
#include "model/word.h"
#include "phonetics/letter_reader.h"

void LowerCaseSkippingTags(std::string& text) {
    size_t i = 0;
    while (i < text.size()) {
        auto c = static_cast<unsigned char>(text[i]);
        if (c == kMarkerTag) {
            size_t skip = 2;
            if (i + 1 < text.size() && text[i + 1] == 20) {
                size_t count = i + 2 < text.size() ? static_cast<unsigned char>(text[i + 2]) : 0;
                skip = 3 + count;
            }
            i += skip;
            continue;
        }
        text[i] = static_cast<char>(ToLowerChar(c));
        ++i;
    }
}

long ReadDecimal(const char* text) {
    while (*text == ' ' || (*text >= '\t' && *text <= '\r')) ++text;
    bool negative = false;
    if (*text == '+' || *text == '-') negative = *text++ == '-';
    long value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        int digit = *text - '0';
        if (value > (LONG_MAX - digit) / 10) {
            value = LONG_MAX;
            break;
        }
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

void Transcribe(SWord& word) {
    LowerCaseSkippingTags(word.text);
    SLetterReader reader(word);
    reader.ReadAll();
    if (word.GetSize() == 0) word.hidden = 1;
}
