#include "synthesis/context_choice.h"

#include <vector>

#include "model/alofon.h"
#include "model/inventory.h"
#include "model/pattern_store.h"
#include "model/sentence.h"
#include "model/word.h"
#include "synthesis/voice_pitch.h"

namespace {

// The sentence's allophones that take samples, in order, tags left out.
std::vector<SAlofon*> TimedAllophones(SSentence& sentence) {
    std::vector<SAlofon*> all;
    for (int w = 0; w < sentence.words.GetSize(); ++w) {
        SWord& word = *sentence.words[w];
        if (word.control) continue;
        for (int i = 0; i < word.GetSize(); ++i)
            if (word[i]->id <= kAlfLastSounding) all.push_back(word[i]);
    }
    return all;
}

// The neighbour id a context key is matched against: 0 for silence.
int NeighbourId(const SAlofon* alofon) {
    if (!alofon || alofon->id >= kAlfFirstPause) return 0;
    return alofon->id;
}

}  // namespace

void ChooseContextSounds(SSentence& sentence, bool enabled, const SVoicePair& voices) {
    const std::vector<SAlofon*> all = TimedAllophones(sentence);
    const SContextSounds* recorded =
        enabled && voices.normal && voices.normal->contextSounds.Count() > 0
            ? &voices.normal->contextSounds
            : nullptr;
    for (size_t i = 0; i < all.size(); ++i) {
        SAlofon& alofon = *all[i];
        alofon.contextSound = 0;
        if (!recorded || alofon.id >= kAlfFirstPause) continue;
        const int before = NeighbourId(i > 0 ? all[i - 1] : nullptr);
        const int after = NeighbourId(i + 1 < all.size() ? all[i + 1] : nullptr);
        // A voiced sound before a pause keeps the tune the intonation gives
        // it; a voiceless one has no pitch, so its recording before silence
        // (its final noise, as heard before a pause) is safe to take.
        const bool pitchFree = !CarriesPitch(InventoryFeatures(alofon.id));
        alofon.contextSound = recorded->Choose(alofon.id, before, after, pitchFree);
    }
}
