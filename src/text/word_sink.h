// Where the normaliser's readers put the words they make. The sentence is
// the real sink; tests record. The operations mirror the sentence's own:
// one word, a string split into words, a single marker byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// True when the text holds at least n characters from `position`; looks at
// no more than n of them (readers run at every digit of long texts).
inline bool HasAtLeast(const char* text, uint32_t position, size_t n) {
    for (size_t i = 0; i < n; ++i)
        if (text[position + i] == '\0') return false;
    return true;
}

class SWordSink {
public:
    virtual ~SWordSink() = default;

    virtual void AppendWord(const std::string& text, const std::string& sourceText, int closes,
                            int continuation) = 0;
    virtual void AppendMarker(unsigned char marker) = 0;

    // Splits text into words through the two operations above: letter runs
    // become words (closes 1, the first with continuation 0, later ones 1);
    // every other byte but control characters and blanks becomes a marker
    // word of its own. The one splitting rule: the sentence uses it too.
    void AppendText(const std::string& text, const std::string& sourceText);
};
