// Stress groups: a run of clitics plus the next full word. With FluentSpeech
// off every word closes its own group (AppendWord forces closes).
#include "model/sentence.h"
#include "phonetics/vowel_forms.h"
#include "text/short_words.h"

bool SSentence::IsClitic(const SWord& word) const {
    return !word.control && CountVowels(word) == 1 && IsShortWord(word.text);
}

void SSentence::BuildPhrases() {
    phrases.RemoveAll();
    phrases.SetGrowBy(phraseGrowStep);
    int visible = 0;
    int groupStart = 0;
    auto close = [&](int last) {
        auto* phrase = new SPhrase;
        phrase->sentence = this;
        phrase->firstWord = groupStart;
        phrase->lastWord = last;
        phrases.Add(phrase);
        groupStart = last + 1;
    };
    for (const SWord* word : words) {
        if (!word->IsVisible()) continue;
        if (word->closesPhrase || !IsClitic(*word)) close(visible);
        ++visible;
    }
    if (groupStart < visible) close(visible - 1);
}
