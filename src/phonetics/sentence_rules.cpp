#include "phonetics/sentence_rules.h"

#include <vector>

#include "core/attribute.h"
#include "model/allophone_ids.h"
#include "model/sentence.h"
#include "phonetics/vowel_forms.h"

using namespace allophone;

namespace {

int LastIndex(const SWord& word) {
    return word.GetSize() - 1;
}

// The accent word of a group whose last vowel word has one vowel is the
// word before it, when that word has vowels too.
SWord* AccentWord(const std::vector<SWord*>& visible, const SPhrase& phrase, int lastVowelWord) {
    SWord* last = visible[lastVowelWord];
    if (CountVowels(*last) != 1 || lastVowelWord <= phrase.firstWord) return last;
    SWord* before = visible[lastVowelWord - 1];
    return before && CountVowels(*before) > 0 ? before : last;
}

// An inter-word pause and voicing across the boundary between W1 and W2.
void JoinWords(SWord& first, const SWord& second, bool fluent) {
    if (first.control || first.IdAt(0) == kAlfPauseTag) return;
    SAlofon* last = first.RecordAt(LastIndex(first));
    const int featuresL = RuleFeaturesAt(first, LastIndex(first));
    const int featuresE = RuleFeaturesAt(second, 0);
    const int idE = second.IdAt(0);

    constexpr int kNasalConsonant = AF_NASAL | AF_CONSONANT;
    bool pause = !fluent || (featuresE & AF_VOWEL) ||
                 ((featuresL & kNasalConsonant) == kNasalConsonant &&
                  (featuresE & kNasalConsonant) == kNasalConsonant);
    if (pause) first.Append(kAlfPauseInterWord);

    if (!last || !(featuresL & AF_CONSONANT) || !(featuresE & AF_CONSONANT)) return;
    if ((featuresL & AF_VOICED) && (featuresE & AF_VOICELESS)) {
        last->Devoice();
    } else if ((featuresL & AF_VOICELESS) && (featuresE & AF_VOICED)) {
        if (idE != kW && idE != kWi && idE != kRz) last->Voice();
    }
}

bool IsLonePause(const SWord& word) {
    int id = word.IdAt(0);
    return word.GetSize() == 1 && (id == kAlfPausePunctuation || id == kAlfPauseInterSentence);
}

// From the end of the sentence: every stressed word gets its stressed vowel;
// the last one before a punctuation or sentence pause is lengthened.
void PlaceAccents(const std::vector<SWord*>& visible) {
    bool lengthen = true;
    for (auto it = visible.rbegin(); it != visible.rend(); ++it) {
        SWord& word = **it;
        if (IsLonePause(word)) {
            lengthen = true;
        } else if (word.stressed) {
            int vowel = StressedVowel(word);
            if (vowel >= 0) StressForm(word, vowel, lengthen);
            lengthen = false;
        }
    }
}

// The visible word with that visible index, or null out of range.
SWord* VisibleAt(const std::vector<SWord*>& visible, int index) {
    return index >= 0 && index < static_cast<int>(visible.size()) ? visible[index] : nullptr;
}

void PhraseRulesOver(const std::vector<SWord*>& visible, const SPhrase& phrase) {
    if (phrase.IsEmpty()) return;
    int lastVowelWord = -1;
    for (int v = phrase.lastWord; v >= phrase.firstWord && lastVowelWord < 0; --v) {
        const SWord* word = VisibleAt(visible, v);
        if (word && CountVowels(*word) > 0) lastVowelWord = v;
    }
    SWord* last = VisibleAt(visible, lastVowelWord);
    SWord* accent = last ? AccentWord(visible, phrase, lastVowelWord) : nullptr;
    int finalFeatures = 0;
    if (last) {
        finalFeatures = RuleFeaturesAt(*last, LastIndex(*last));
        if (finalFeatures & AF_VOICED) last->RecordAt(LastIndex(*last))->Devoice();
    }
    for (int v = phrase.firstWord; v <= phrase.lastWord; ++v)
        if (SWord* word = VisibleAt(visible, v)) WordRules(*word);
    if (!last) return;
    if (finalFeatures & AF_VOWEL)
        FinalForm(*last, LastIndex(*last));
    else
        FinalConsonant(*last, LastIndex(*last));
    last->stressed = 1;
    accent->stressed = 1;
}

}  // namespace

void PhraseRules(SSentence& sentence, const SPhrase& phrase) {
    PhraseRulesOver(sentence.VisibleWords(), phrase);
}

void ApplySentenceRules(SSentence& sentence) {
    const std::vector<SWord*> visible = sentence.VisibleWords();
    for (const SPhrase* phrase : sentence.phrases) PhraseRulesOver(visible, *phrase);

    const bool fluent = sentence.GetSettings()->fluentSpeech;
    SWord* previous = nullptr;
    for (SWord* word : sentence.words) {
        if (!word->IsVisible()) continue;
        if (previous) JoinWords(*previous, *word, fluent);
        previous = word;
    }
    PlaceAccents(visible);
}
