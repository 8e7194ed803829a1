#include "model/context_sounds.h"

#include "model/inventory.h"
#include "model/sample_curve.h"

namespace {

constexpr int kExactScore = 4, kClassScore = 2, kRuledOut = -1;

int KeyScore(uint16_t key, int neighbour) {
    if (key == kContextAny) return 0;
    if (neighbour == 0) return key == kContextSilence ? kExactScore : kRuledOut;
    if (key == neighbour) return kExactScore;
    uint16_t cls = SoundClassOf(neighbour);
    return cls != 0 && key == kContextClassBase + cls ? kClassScore : kRuledOut;
}

}  // namespace

uint16_t SoundClassOf(int id) {
    const uint16_t f = InventoryFeatures(id);
    if (f == 0 || (f & (AF_PAUSE | AF_SILENT))) return 0;
    if (f & AF_VOWEL) return kClassVowel;
    if (f & AF_GLIDE) return kClassGlide;
    if (f & AF_NASAL) return kClassNasal;
    if (f & (AF_LATERAL | AF_TRILL)) return kClassLiquid;
    if (f & AF_AFFRICATE) return kClassAffricate;
    if (f & AF_FRICATIVE) return kClassFricative;
    return kClassStop;
}

bool IsValidContextKey(uint16_t key) {
    if (key == kContextAny || key == kContextSilence) return true;
    if (key < kContextSilence) return key < kAlfFirstPause;
    return key > kContextClassBase && key <= kContextClassBase + kClassCount;
}

void SContextSounds::Clear() {
    sounds_.clear();
    byId_.clear();
}

void SContextSounds::Add(int id, uint16_t before, uint16_t after, std::vector<int16_t> samples) {
    if (id < 0) return;
    if (static_cast<size_t>(id) >= byId_.size()) byId_.resize(static_cast<size_t>(id) + 1);
    byId_[static_cast<size_t>(id)].push_back(Count());
    std::vector<int16_t> slopes =
        SampleCurveSlopes(samples.data(), static_cast<int>(samples.size()));
    sounds_.push_back({id, before, after, std::move(samples), std::move(slopes), {}, {}});
}

int SContextSounds::Choose(int id, int before, int after, bool silenceAfterAllowed) const {
    if (id < 0 || static_cast<size_t>(id) >= byId_.size()) return 0;
    int best = 0, bestScore = 0;
    for (int index : byId_[static_cast<size_t>(id)]) {
        const SContextSound& sound = At(index);
        if (!silenceAfterAllowed && sound.after == kContextSilence) continue;
        const int b = KeyScore(sound.before, before), a = KeyScore(sound.after, after);
        if (b == kRuledOut || a == kRuledOut) continue;
        // Any fitting recording, even one for every context, beats none.
        const int score = b + a + 1;
        if (score > bestScore) best = index + 1, bestScore = score;
    }
    return best;
}

const SContextSound* SContextSounds::RecordingOf(int id, int chosen) const {
    if (chosen <= 0 || chosen > Count()) return nullptr;
    const SContextSound& sound = At(chosen - 1);
    return sound.id == id ? &sound : nullptr;
}
