#include "model/sentence.h"

#include "core/attribute.h"
#include "phonetics/transcribe.h"
#include "model/chars.h"
#include "text/text_analyser.h"

SSentence::SSentence(STextAnalyser* analyser) : analyser_(analyser) {}

STtsEngine* SSentence::GetEngine() const { return analyser_ ? analyser_->GetEngine() : nullptr; }

SAttribute* SSentence::GetSettings() const {
    return analyser_ ? analyser_->GetSettings() : &DefaultAttribute();
}

SWord* SSentence::AppendWord(const std::string& text, const std::string& sourceText, int closes,
                             int continuation) {
    const SAttribute* settings = GetSettings();
    int32_t position = analyser_ ? analyser_->GetWordStart() : 0;
    auto* word = new SWord(this, text, sourceText, position);
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

SWord* SSentence::AppendMarker(unsigned char marker) {
    return AppendWord(std::string(1, static_cast<char>(marker)), std::string(), 0, 0);
}

SWord* SSentence::WordAt(int index) const {
    if (index < 0 || index >= words.GetSize()) return nullptr;
    return words[index];
}

int SSentence::VisibleCount() const {
    int count = 0;
    for (const SWord* word : words)
        if (word->IsVisible()) ++count;
    return count;
}

int SSentence::VisibleToIndex(int visibleIndex) const {
    if (visibleIndex < 0) return -1;
    for (int i = 0; i < words.GetSize(); ++i) {
        if (!words[i]->IsVisible()) continue;
        if (visibleIndex-- == 0) return i;
    }
    return -1;
}

SWord* SSentence::VisibleWordAt(int visibleIndex) const {
    return WordAt(VisibleToIndex(visibleIndex));
}

bool SSentence::HasNoRealWords() const {
    for (const SWord* word : words) {
        if (word->control) continue;
        if (word->text.size() != 1 || !IsSpaceChar(static_cast<unsigned char>(word->text[0])))
            return false;
    }
    return true;
}
