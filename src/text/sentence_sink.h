// Lets the normaliser's readers append to a sentence.
#pragma once

#include "model/sentence.h"
#include "text/word_sink.h"

class SSentenceSink : public SWordSink {
public:
    explicit SSentenceSink(SSentence& sentence) : sentence_(sentence) {}

    void AppendWord(const std::string& text, const std::string& sourceText, int closes,
                    int continuation) override {
        sentence_.AppendWord(text, sourceText, closes, continuation);
    }
    void AppendMarker(unsigned char marker) override { sentence_.AppendMarker(marker); }

private:
    SSentence& sentence_;
};
