#include "synthesis/timing.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

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

int SampleRateOf(const SAlfPattArr* store) {
    return store ? static_cast<int>(store->VoiceFormat().samplesPerSec) : 0;
}

// A pause's sample count: pause tags carry milliseconds (negative length) at
// the normal voice's rate; the other pauses last what the settings of the
// engine speaking say, at the rate of the store in use, read at the rate x.
void TimePause(SAlofon& alofon, int pauseLength, float x, int normalRate) {
    if (alofon.id == kAlfPauseTag) {
        if (alofon.length < 0) {
            double samples = std::floor(-static_cast<double>(alofon.length) * normalRate * 0.001);
            alofon.length = static_cast<int32_t>(std::min(samples, 2147483647.0));
        }
        return;
    }
    if (alofon.id >= kAlfFirstPause)
        alofon.length = static_cast<int32_t>(std::floor(static_cast<float>(pauseLength) / x));
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

namespace {

// Walks the gliding step from + trunc((to - from) * v / limit) (at least one
// raw unit) along the positions v without a division per sample: the quotient
// and remainder of |to - from| * v by the limit are carried from one position
// to the next, and a step moves them by far less than the limit.
class SGlideWalk {
public:
    SGlideWalk(SFP from, SFP to, int64_t limit, int64_t start)
        : from_(from.Raw()), slope_(std::abs(int64_t{to.Raw()} - from.Raw())), falling_(to.Raw() < from.Raw()),
          limit_(limit) {
        Advance(start);
    }

    int64_t Step() const { return std::max<int64_t>(from_ + (falling_ ? -quotient_ : quotient_), 1); }

    void Advance(int64_t by) {
        remainder_ += slope_ * by;
        if (remainder_ >= limit_) {
            quotient_ += remainder_ / limit_;
            remainder_ %= limit_;
        }
    }

private:
    int64_t from_, slope_;
    bool falling_;
    int64_t limit_;
    int64_t quotient_ = 0, remainder_ = 0;
};

}  // namespace

SFP FillGlidingPositions(SFP carry, SFP from, SFP to, int64_t limit, SFastArray<SFP>& positions) {
    limit = std::min<int64_t>(limit, INT32_MAX);
    int64_t value = carry.Raw();
    if (value >= limit) {
        positions.SetSize(0);
        return SFP::FromRaw(static_cast<int32_t>(value - limit));
    }
    // Walk once to count, then fill: the list is sized once, as in FillPositions.
    int64_t count = 0;
    for (SGlideWalk walk(from, to, limit, value); value < limit; ++count) {
        int64_t step = walk.Step();
        value += step;
        walk.Advance(step);
    }
    value = carry.Raw();
    positions.SetSize(static_cast<int>(count));
    SFP* out = positions.GetData();
    SGlideWalk walk(from, to, limit, value);
    for (int64_t i = 0; i < count; ++i) {
        out[i] = SFP::FromRaw(static_cast<int32_t>(value));
        int64_t step = walk.Step();
        value += step;
        walk.Advance(step);
    }
    return SFP::FromRaw(static_cast<int32_t>(value - limit));
}

namespace {

// The step of one allophone at the pitch r times factor, kept inside the
// engine's pitch range. The voice was chosen for the word's own pitch.
SFP GlideStep(int r, SFP factor, bool fast) {
    double pitch = std::clamp(r * factor.ToReal(), double(SAttribute::kMinPitch), double(SAttribute::kMaxPitch));
    double x = pitch * 0.00625;
    return SFP::FromReal(fast ? x / 2 : x);
}

}  // namespace

void TimeWord(SWord& word, const SAttribute& settings, const SVoicePair& voices,
              const std::vector<SPitchRamp>* ramps) {
    int r = std::clamp<int>(settings.pitch, SAttribute::kMinPitch, SAttribute::kMaxPitch);
    double x = r * 0.00625;
    bool fast = r > kFastPitch;
    SFP step = SFP::FromReal(fast ? x / 2 : x);
    const SAlfPattArr* store = fast ? voices.halfRate : voices.normal;
    int normalRate = SampleRateOf(voices.normal);
    const SPauseLengths pauses = SPauseLengths::From(settings);
    SFP carry;
    for (int i = 0; i < word.GetSize(); ++i) {
        SAlofon& alofon = *word[i];
        if (alofon.id > kAlfLastSounding) continue;
        alofon.useFast = fast;
        const SAlofonPatt* pattern = store ? store->PatternAt(alofon.id) : nullptr;
        if (!pattern) {
            // A missing pattern is a silent allophone without samples.
            alofon.positions.SetSize(0);
            continue;
        }
        if (pattern->features & AF_PAUSE) {
            TimePause(alofon, store->PauseLength(alofon.id, pauses), static_cast<float>(x), normalRate);
            carry = SFP();
            continue;
        }
        int64_t limit = static_cast<int64_t>(pattern->end - pattern->first) * SFP::kOne;
        if (ramps && static_cast<size_t>(i) < ramps->size()) {
            const SPitchRamp& ramp = (*ramps)[static_cast<size_t>(i)];
            carry = FillGlidingPositions(carry, GlideStep(r, ramp.from, fast), GlideStep(r, ramp.to, fast), limit,
                                         alofon.positions);
        } else {
            carry = FillPositions(carry, step, limit, alofon.positions);
        }
    }
}

void ComputeTiming(SSentence& sentence, SAttribute& settings, const SVoicePair& voices) {
    SRateSettings saved = SRateSettings::Save(settings);
    // At depth 0, or where intonation is off (a tag may switch it inside the
    // sentence), words are timed exactly as without intonation.
    bool deep = settings.intonationDepth > 0;
    SSentenceContour contour;
    if (deep) contour = SentenceContour(sentence, settings.intonationDepth, voices);
    for (int i = 0; i < sentence.words.GetSize(); ++i) {
        SWord& word = *sentence.words[i];
        if (word.control)
            ApplyTag(word, settings, nullptr);
        else
            TimeWord(word, settings, voices, deep && settings.intonation ? &contour[static_cast<size_t>(i)] : nullptr);
    }
    saved.Restore(settings);
}

void ComputeTiming(SSentence& sentence) {
    ComputeTiming(sentence, *sentence.GetSettings(), SVoicePair::Shared());
}
