// Where the normaliser's readers put the words they make. The sentence is
// the real sink; tests record. The operations mirror the sentence's own:
// one word, a string split into words, a single marker byte.
#pragma once

#include <string>

class SWordSink {
public:
    virtual ~SWordSink() = default;

    virtual void AppendWord(const std::string& text, const std::string& sourceText, int closes,
                            int continuation) = 0;
    // Letter runs become words; every other byte but control characters and
    // blanks becomes a one-character word.
    virtual void AppendText(const std::string& text, const std::string& sourceText) = 0;
    virtual void AppendMarker(unsigned char marker) = 0;
};
