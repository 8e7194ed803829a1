// Appending words to a sentence: every word is transcribed the moment it is
// appended, with the flags the sentence's settings give it.
#include "core/attribute.h"
#include "model/sentence.h"
#include "phonetics/transcribe.h"
#include "text/sentence_sink.h"

SWord* SSentence::AppendWord(const std::string& text, const std::string& sourceText, int closes,
                             int continuation) {
    const SAttribute* settings = GetSettings();
    auto* word = new SWord(this, text, sourceText, wordStart_);
    word->continuation = continuation;
    word->closesPhrase = (closes || !settings->fluentSpeech) ? 1 : 0;
    word->colloquial = settings->colloquialSpeech ? 1 : 0;
    try {
        Transcribe(*word);
    } catch (...) {
        delete word;
        throw;
    }
    words.SetGrowBy(wordGrowStep);
    words.Add(word);
    return word;
}

void SSentence::AppendText(const std::string& text, const std::string& sourceText) {
    SSentenceSink(*this).AppendText(text, sourceText);
}

SWord* SSentence::AppendMarker(unsigned char marker) {
    return AppendWord(std::string(1, static_cast<char>(marker)), std::string(), 0, 0);
}
