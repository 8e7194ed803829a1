#include "synthesis/timing.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "core/attribute.h"
#include "model/alofon.h"
#include "model/fixed_point.h"
#include "model/inventory.h"
#include "model/pattern_store.h"
#include "model/sentence.h"
#include "model/word.h"
#include "synthesis/apply_tag.h"
#include "synthesis/context_choice.h"
#include "synthesis/period_warp.h"
#include "synthesis/pulse_marks.h"
#include "synthesis/voice_pitch.h"

namespace {

// The settings a tag may change while timing, saved and put back around it.
struct SRateSettings {
    uint16_t pitch;
    int32_t speed;
    uint32_t volume;
    int32_t pnmLevel;
    bool intonation, fluentSpeech, colloquialSpeech, spellMode, forceTagSensitivity;

    static SRateSettings Save(const SAttribute& s) {
        return {s.pitch,
                s.speed,
                s.volume,
                s.pnmLevel,
                s.intonation,
                s.fluentSpeech,
                s.colloquialSpeech,
                s.spellMode,
                s.forceTagSensitivity};
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

namespace {

// Writes first, first + stride, ... (count values, every one inside int32).
// The arithmetic is modulo 2^32, which gives every stored value exactly; four
// values go out in one store, so a build that checks each store (the
// sanitizers) checks a quarter as many, and the loop carries no overflow test.
void WriteSequence(int64_t first, int64_t stride, int64_t count, SFP* out) {
    const uint32_t from = static_cast<uint32_t>(first), by = static_cast<uint32_t>(stride);
    int64_t i = 0;
#if defined(__GNUC__)
    using SFourValues = uint32_t __attribute__((vector_size(16)));
    SFourValues four = {from, from + by, from + 2 * by, from + 3 * by};
    const uint32_t fourSteps = 4 * by;
    for (; i + 4 <= count; i += 4) {
        std::memcpy(static_cast<void*>(out + i), &four, sizeof four);
        four += fourSteps;
    }
#endif
    for (; i < count; ++i)
        out[i] = SFP::FromRaw(static_cast<int32_t>(from + static_cast<uint32_t>(i) * by));
}

}  // namespace

SFP FillPositions(SFP carry, SFP step, int64_t limit, SFastArray<SFP>& positions) {
    // Positions are 16.16 values in an int32: a pattern cannot be read past it.
    limit = std::min<int64_t>(limit, INT32_MAX);
    int64_t first = carry.Raw();
    int64_t stride = step.Raw();
    int64_t count = first < limit ? (limit - first + stride - 1) / stride : 0;
    positions.SetSizeForOverwrite(static_cast<int>(count));
    WriteSequence(first, stride, count, positions.GetData());
    int64_t next = first + count * stride;
    return SFP::FromRaw(static_cast<int32_t>(std::max<int64_t>(next - limit, 0)));
}

namespace {

// Walks the gliding step from + trunc((to - from) * v / limit) (at least one
// raw unit) along the positions v without a division per sample: the quotient
// and remainder of |to - from| * v by the limit are carried from one position
// to the next. This is the general walk, for any step ends.
class SGlideWalk {
public:
    SGlideWalk(SFP from, SFP to, int64_t limit, int64_t start)
        : from_(from.Raw()),
          slope_(std::abs(int64_t{to.Raw()} - from.Raw())),
          falling_(to.Raw() < from.Raw()),
          limit_(limit) {
        Advance(start);
    }

    int64_t Step() const {
        return std::max<int64_t>(from_ + (falling_ ? -quotient_ : quotient_), 1);
    }

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

// Floor division and its non-negative remainder (divisor positive).
int64_t FloorDiv(int64_t a, int64_t b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// The gliding walk when both step ends are positive, so that the step never
// needs its lower bound: then the step s itself moves by the quotient's
// growth, and slope * s splits into a quotient and a remainder by the limit
// that change by a precomputed amount per sample. Each sample costs a few
// additions and one comparison; a division is needed only when the step's
// remainder leaves its range, which at real pitches happens every few
// thousand samples.
class SPositiveGlideWalk {
public:
    SPositiveGlideWalk(int64_t from, int64_t to, int64_t limit, int64_t start)
        : sign_(to < from ? -1 : 1), signedSlope_(to - from), limit_(limit) {
        int64_t slope = std::abs(to - from), product = slope * start;
        step_ = from + sign_ * (product / limit_);
        stepRemainder_ = slope * step_;
        pending_ = product % limit_;
        Renormalise();
        pending_ += stepRemainder_;
    }

    // Fills out[0..room) with positions while below limit; returns how many.
    // Both outcomes of the carry are computed ahead of it, so the chain from
    // one sample to the next is short. (The carries follow the step's
    // fraction of the limit, a pattern branch prediction learns: selecting
    // by conditional moves measured slower.)
    int64_t Fill(int64_t& value, int64_t limit, SFP* out, int64_t room) {
        int64_t n = 0;
        while (n < room && value < limit) {
            out[n++] = SFP::FromRaw(static_cast<int32_t>(value));
            value += step_;
            int64_t rest = stepRemainder_ + stepMove_, restCarried = rest + signedSlope_;
            int64_t pending = pending_ + rest, pendingCarried = pending_ + restCarried - limit_;
            int64_t step = step_ + stepGrowth_, stepCarried = step + sign_;
            bool carry = pending_ >= limit_;
            stepRemainder_ = carry ? restCarried : rest;
            pending_ = carry ? pendingCarried : pending;
            step_ = carry ? stepCarried : step;
            if (stepRemainder_ < 0 || stepRemainder_ >= limit_) {
                int64_t before = stepRemainder_;
                Renormalise();
                pending_ += stepRemainder_ - before;
            }
        }
        return n;
    }

private:
    // Moves whole limits from the step's remainder into its quotient.
    void Renormalise() {
        int64_t whole = FloorDiv(stepRemainder_, limit_);
        stepQuotient_ += whole;
        stepRemainder_ -= whole * limit_;
        stepGrowth_ = sign_ * stepQuotient_;
        stepMove_ = signedSlope_ * stepQuotient_;
    }

    int64_t sign_;         // of to - from
    int64_t signedSlope_;  // to - from
    int64_t limit_;
    int64_t step_ = 0;           // from +- |to - from| * value / limit
    int64_t stepQuotient_ = 0;   // |to - from| * step / limit ...
    int64_t stepRemainder_ = 0;  // ... and its remainder
    int64_t pending_ =
        0;  // |to - from| * value mod limit, plus stepRemainder_: a carry when >= limit
    int64_t stepGrowth_ = 0;  // the step's change per sample without a carry
    int64_t stepMove_ = 0;    // what that change adds to |to - from| * step
};

SFP FillByGeneralWalk(int64_t value, SFP from, SFP to, int64_t limit, SFastArray<SFP>& positions) {
    int64_t start = value;
    // Walk once to count, then fill: the list is sized once, as in FillPositions.
    int64_t count = 0;
    for (SGlideWalk walk(from, to, limit, value); value < limit; ++count) {
        int64_t step = walk.Step();
        value += step;
        walk.Advance(step);
    }
    value = start;
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

}  // namespace

SFP FillGlidingPositions(SFP carry, SFP from, SFP to, int64_t limit, SFastArray<SFP>& positions) {
    limit = std::min<int64_t>(limit, INT32_MAX);
    int64_t value = carry.Raw();
    if (value >= limit) {
        positions.SetSize(0);
        return SFP::FromRaw(static_cast<int32_t>(value - limit));
    }
    int64_t low = std::min(from.Raw(), to.Raw()), high = std::max(from.Raw(), to.Raw());
    // The quick walk needs positive steps and a step quotient that keeps its
    // products well inside 64 bits (always so at real pitches and lengths).
    if (low < 1 || value < 0 || (high - low) * high / limit >= (int64_t{1} << 30))
        return FillByGeneralWalk(value, from, to, limit, positions);
    // Every step lies between the ends, so the count lies between the
    // distance over the larger and over the smaller; one pass fills a list
    // sized near the larger bound and grows it only if that was too few.
    int64_t distance = limit - value;
    int64_t most = (distance + low - 1) / low, least = (distance + high - 1) / high;
    int64_t room = std::min<int64_t>(std::min(most, least + least / 4 + 64), INT32_MAX);
    positions.SetSize(static_cast<int>(room));
    SPositiveGlideWalk walk(from.Raw(), to.Raw(), limit, value);
    int64_t count = 0;
    for (;;) {
        count += walk.Fill(value, limit, positions.GetData() + count, room - count);
        if (value >= limit) break;
        room = std::min<int64_t>(std::max(std::min(most, room + room / 2 + 64), count + 64),
                                 INT32_MAX);
        positions.SetSize(static_cast<int>(room));
    }
    positions.SetSize(static_cast<int>(count));
    return SFP::FromRaw(static_cast<int32_t>(value - limit));
}

namespace {

// The step of one allophone at the pitch r times factor, kept inside the
// engine's pitch range. The voice was chosen for the word's own pitch.
SFP GlideStep(int r, SFP factor, bool fast) {
    double pitch = std::clamp(r * factor.ToReal(), double(SAttribute::kMinPitch),
                              double(SAttribute::kMaxPitch));
    double x = pitch * 0.00625;
    return SFP::FromReal(fast ? x / 2 : x);
}

}  // namespace

namespace {

// A pitch factor kept inside the engine's pitch range at the pitch r.
double InPitchRange(int r, double factor) {
    return std::clamp(factor, double(SAttribute::kMinPitch) / r, double(SAttribute::kMaxPitch) / r);
}

// Keeping the formants: the allophone is read at the natural step, and a
// voiced one has its periods warped to the ramp's pitch times the voice's.
SFP TimeKeepingFormants(SAlofon& alofon, const SSounding& sounding, int rate, SFP carry, SFP step,
                        int64_t limit, int r, const SPitchRamp* ramp, double voicePitch) {
    carry = FillPositions(carry, step, limit, alofon.positions);
    if (!CarriesPitch(sounding.Features())) return carry;
    const double from = voicePitch * (ramp ? ramp->from.ToReal() : 1.0);
    const double to = voicePitch * (ramp ? ramp->to.ToReal() : 1.0);
    if (from != 1.0 || to != 1.0)
        WarpPeriods(PulseMarksOf(sounding, rate), sounding.Length(), step, InPitchRange(r, from),
                    InPitchRange(r, to), alofon.positions);
    return carry;
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
    const double voicePitch = VoicePitchFactor(settings.voicePitch);
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
            TimePause(alofon, store->PauseLength(alofon.id, pauses), static_cast<float>(x),
                      normalRate);
            carry = SFP();
            continue;
        }
        int64_t limit = static_cast<int64_t>(pattern->end - pattern->first) * SFP::kOne;
        const SSounding sounding = store->Sounding(alofon.id, alofon.contextSound);
        const SPitchRamp* ramp = ramps && static_cast<size_t>(i) < ramps->size()
                                     ? &(*ramps)[static_cast<size_t>(i)]
                                     : nullptr;
        if (settings.keepFormants) {
            carry = TimeKeepingFormants(alofon, sounding, SampleRateOf(store), carry, step, limit,
                                        r, ramp, voicePitch);
            continue;
        }
        if (ramp) {
            carry = FillGlidingPositions(carry, GlideStep(r, ramp->from, fast),
                                         GlideStep(r, ramp->to, fast), limit, alofon.positions);
        } else {
            carry = FillPositions(carry, step, limit, alofon.positions);
        }
        // The voice's own pitch moves the voiced sounds only, as the
        // intonation does, and keeps every sample count.
        if (voicePitch != 1.0 && CarriesPitch(pattern->features))
            ShiftPitchKeepingLength(sounding, SampleRateOf(store), voicePitch, alofon.positions);
    }
}

void ComputeTiming(SSentence& sentence, SAttribute& settings, const SVoicePair& voices) {
    SRateSettings saved = SRateSettings::Save(settings);
    // At depth 0, or where intonation is off (a tag may switch it inside the
    // sentence), words are timed exactly as without intonation.
    bool deep = settings.intonationDepth > 0;
    ChooseContextSounds(sentence, settings.contextSounds, voices);
    SSentenceContour contour;
    if (deep) contour = SentenceContour(sentence, settings.intonationDepth, voices);
    for (int i = 0; i < sentence.words.GetSize(); ++i) {
        SWord& word = *sentence.words[i];
        if (word.control)
            ApplyTag(word, settings, nullptr);
        else
            TimeWord(word, settings, voices,
                     deep && settings.intonation ? &contour[static_cast<size_t>(i)] : nullptr);
    }
    saved.Restore(settings);
}

void ComputeTiming(SSentence& sentence) {
    ComputeTiming(sentence, *sentence.GetSettings(), SVoicePair::Shared());
}
