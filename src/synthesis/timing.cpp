#include "synthesis/timing.h"

#include <algorithm>
#include <cmath>

#include "core/attribute.h"
#include "model/alofon.h"
#include "model/inventory.h"
#include "synthesis/apply_tag.h"
#include "model/fixed_point.h"
#include "model/pattern_store.h"
#include "model/sentence.h"
#include "model/word.h"

namespace {

// The settings a tag may change while timing, saved and put back around it.
struct SRateSettings {
    uint16_t pitch;
    int32_t speed;
    uint32_t volume;
    int32_t pnmLevel;
    bool intonation, fluentSpeech, colloquialSpeech, spellMode, forceTagSensitivity;

    static SRateSettings Save(const SAttribute& s) {
        return {s.pitch,        s.speed,            s.volume,    s.pnmLevel,           s.intonation,
                s.fluentSpeech, s.colloquialSpeech, s.spellMode, s.forceTagSensitivity};
    }
    void Restore(SAttribute& s) const {
        s.pitch = pitch;
        s.speed = speed;
        s.volume = volume;
        s.pnmLevel = pnmLevel;
        s.intonation = intonation;
        s.fluentSpeech = fluentSpeech;
        s.colloquialSpeech = colloquialSpeech;
        s.spellMode = spellMode;
        s.forceTagSensitivity = forceTagSensitivity;
    }
};

constexpr int kFirstTagCarrier = 113;
constexpr int kPauseTagId = 110;
constexpr int kFirstPauseId = 106;

int SampleRateOf(const SAlfPattArr* store) {
    return store ? static_cast<int>(store->VoiceFormat().samplesPerSec) : 0;
}

// A pause's sample count: pause tags carry milliseconds (negative length) at
// the normal voice's rate; the other pauses are their pattern's length read
// at the rate x.
void TimePause(SAlofon& alofon, const SAlofonPatt& pattern, float x, int normalRate) {
    if (alofon.id == kPauseTagId) {
        if (alofon.length < 0) {
            double samples = std::floor(-static_cast<double>(alofon.length) * normalRate * 0.001);
            alofon.length = static_cast<int32_t>(std::min(samples, 2147483647.0));
        }
        return;
    }
    if (alofon.id >= kFirstPauseId)
        alofon.length = static_cast<int32_t>(std::floor(static_cast<float>(pattern.pauseLength) / x));
}

}  // namespace

SFP FillPositions(SFP carry, SFP step, int64_t limit, SFastArray<SFP>& positions) {
    // Positions are 16.16 values in an int32: a pattern cannot be read past it.
    limit = std::min<int64_t>(limit, INT32_MAX);
    int64_t first = carry.Raw();
    int64_t stride = step.Raw();
    int64_t count = first < limit ? (limit - first + stride - 1) / stride : 0;
    positions.SetSize(static_cast<int>(count));
    SFP* out = positions.GetData();
    int64_t value = first;
    for (int64_t i = 0; i < count; ++i, value += stride) out[i] = SFP::FromRaw(static_cast<int32_t>(value));
    return SFP::FromRaw(static_cast<int32_t>(std::max<int64_t>(value - limit, 0)));
}

void TimeWord(SWord& word, const SAttribute& settings, const SVoicePair& voices) {
    int r = std::clamp<int>(settings.pitch, SAttribute::kMinPitch, SAttribute::kMaxPitch);
    double x = r * 0.00625;
    bool fast = r > kFastPitch;
    SFP step = SFP::FromReal(fast ? x / 2 : x);
    const SAlfPattArr* store = fast ? voices.halfRate : voices.normal;
    int normalRate = SampleRateOf(voices.normal);
    SFP carry;
    for (int i = 0; i < word.GetSize(); ++i) {
        SAlofon& alofon = *word[i];
        if (alofon.id >= kFirstTagCarrier) continue;
        alofon.useFast = fast;
        const SAlofonPatt* pattern = store ? store->PatternAt(alofon.id) : nullptr;
        if (!pattern) {
            // A missing pattern is a silent allophone without samples.
            alofon.positions.SetSize(0);
            continue;
        }
        if (pattern->features & AF_PAUSE) {
            TimePause(alofon, *pattern, static_cast<float>(x), normalRate);
            carry = SFP();
            continue;
        }
        int64_t limit = static_cast<int64_t>(pattern->end - pattern->first) * SFP::kOne;
        carry = FillPositions(carry, step, limit, alofon.positions);
    }
}

void ComputeTiming(SSentence& sentence, SAttribute& settings, const SVoicePair& voices) {
    SRateSettings saved = SRateSettings::Save(settings);
    for (int i = 0; i < sentence.words.GetSize(); ++i) {
        SWord& word = *sentence.words[i];
        if (word.control)
            ApplyTag(word, settings, nullptr);
        else
            TimeWord(word, settings, voices);
    }
    saved.Restore(settings);
}

void ComputeTiming(SSentence& sentence) {
    ComputeTiming(sentence, *sentence.GetSettings(), SVoicePair::Shared());
}
