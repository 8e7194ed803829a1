#include "text/word_sink.h"

#include "model/chars.h"

void SWordSink::AppendText(const std::string& text, const std::string& sourceText) {
    std::string accumulator;
    int made = 0;
    auto flush = [&] {
        if (accumulator.empty()) return;
        AppendWord(accumulator, sourceText, 1, made++ == 0 ? 0 : 1);
        accumulator.clear();
    };
    for (char ch : text) {
        auto c = static_cast<unsigned char>(ch);
        if (IsLetter(c)) {
            accumulator += ch;
            continue;
        }
        flush();
        if (!IsControlChar(c) && c != ' ') AppendMarker(c);
    }
    flush();
}
