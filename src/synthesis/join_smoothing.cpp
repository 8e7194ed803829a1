#include "synthesis/join_smoothing.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "model/alofon.h"
#include "model/fixed_point.h"
#include "model/inventory.h"
#include "model/pattern_store.h"
#include "synthesis/pattern_periods.h"
#include "synthesis/voice_pitch.h"

namespace {

// Below this likeness a voiced recording shows no period to keep the phase by.
constexpr double kPeriodicLikeness = 0.5;

SSounding SoundingOf(const SAlofon& alofon, const SVoicePair& voices) {
    const SAlfPattArr* store = alofon.useFast ? voices.halfRate : voices.normal;
    const SSounding sounding =
        store ? store->Sounding(alofon.id, alofon.contextSound) : SSounding();
    return sounding.Silent() ? SSounding() : sounding;
}

int RateOf(const SAlofon& alofon, const SVoicePair& voices) {
    const SAlfPattArr* store = alofon.useFast ? voices.halfRate : voices.normal;
    return store ? static_cast<int>(store->VoiceFormat().samplesPerSec) : 0;
}

// One side of a join: the recording and the positions (raw 16.16) that the
// crossfade reads from it, one per output sample of the crossfade.
struct SJoinSide {
    SSounding recording;
    int rate = 0;
    std::vector<int64_t> at;
};

// Output samples the fade of a recording lasts when read at `step` (raw).
int FadeSamples(int rate, int64_t step) {
    if (step <= 0) return 0;
    const double fade = kRecordingFadeSeconds * rate * SFP::kOne;
    return std::max(1, static_cast<int>(std::lround(fade / static_cast<double>(step))));
}

// Moves the side's positions inwards, past the recording's fade at that
// edge, by the least whole number of its periods (a voiced sound), or by the
// least lag (a sound without pitch). False when the recording is too short
// or a voiced one shows no period.
bool ShiftInwards(SJoinSide& side, bool before) {
    const SSounding& recording = side.recording;
    const int length = recording.Length();
    const int fade = static_cast<int>(std::lround(kRecordingFadeSeconds * side.rate));
    const int64_t lowest = *std::min_element(side.at.begin(), side.at.end());
    const int64_t highest = *std::max_element(side.at.begin(), side.at.end());
    // The lag needed to clear the fade.
    const int64_t clear = before ? highest - int64_t{length - fade - 1} * SFP::kOne
                                 : int64_t{fade} * SFP::kOne - lowest;
    double need = std::max<double>(0.0, static_cast<double>(clear) / SFP::kOne);

    const SAlofonPatt::SEdgePeriod& kept = recording.JoinEdge(before);
    const SPatternPeriods::SLag period =
        kept.found ? SPatternPeriods::SLag{kept.samples, kept.exact, kept.likeness}
                   : JoinEdgePeriod(recording, side.rate, before);
    const bool periodic = period.samples > 0 && period.likeness >= kPeriodicLikeness;
    if (CarriesPitch(recording.Features()) && !periodic) return false;
    if (periodic && need > 0) need = std::ceil(need / period.exact) * period.exact;

    const int64_t shift = std::llround((before ? -need : need) * SFP::kOne);
    if (lowest + shift < 0 || highest + shift > int64_t{length - 1} * SFP::kOne) return false;
    for (int64_t& position : side.at) position += shift;
    return true;
}

std::vector<int16_t> Read(const SJoinSide& side) {
    std::vector<SFP> positions;
    for (int64_t raw : side.at) positions.push_back(SFP::FromRaw(static_cast<int32_t>(raw)));
    std::vector<int16_t> samples(positions.size());
    side.recording.Read(positions.data(), static_cast<int>(positions.size()), samples.data());
    return samples;
}

// The number of positions the allophone's samples were read at, or 0 when
// its sample count is not its positions' (an explicit length).
int ReadCount(const SAlofon& alofon) {
    const int n = alofon.positions.GetSize();
    return n >= 2 && alofon.SampleCount() == n ? n : 0;
}

}  // namespace

SPatternPeriods::SLag JoinEdgePeriod(const SSounding& recording, int rate, bool atEnd) {
    const SPatternPeriods periods(recording, rate);
    const int length = periods.Length();
    const int fade = static_cast<int>(std::lround(kRecordingFadeSeconds * rate));
    const int from = atEnd ? std::max(0, length - fade - periods.Longest()) : fade;
    return periods.BestLag(from, atEnd);
}

void PrepareJoinEdges(SAlfPattArr& store, bool contextRecordingsToo) {
    const int rate = static_cast<int>(store.VoiceFormat().samplesPerSec);
    if (rate <= 0) return;
    // Fills `edges` for a recording that a smoothed join may read.
    auto prepare = [rate](const SSounding& recording, SAlofonPatt::SEdgePeriod* edges) {
        if (recording.Silent() || !IsContinuant(recording.Features())) return;
        for (bool atEnd : {false, true}) {
            const SPatternPeriods::SLag lag = JoinEdgePeriod(recording, rate, atEnd);
            edges[atEnd ? 1 : 0] = {true, lag.samples, lag.exact, lag.likeness};
        }
    };
    for (int id = 0; id < store.GetSize(); ++id)
        if (SAlofonPatt* pattern = store.PatternAt(id)) prepare(*pattern, pattern->joinEdges);
    for (int i = 0; contextRecordingsToo && i < store.contextSounds.Count(); ++i) {
        SContextSound& sound = store.contextSounds.At(i);
        const SAlofonPatt* own = store.PatternAt(sound.id);
        if (own) prepare(SSounding(*own, sound), sound.joinEdges);
    }
}

bool IsContinuant(uint32_t features) {
    if (features & (AF_PAUSE | AF_SILENT | AF_AFFRICATE)) return false;
    if (features & (AF_VOWEL | AF_GLIDE)) return true;
    return (features & AF_CONSONANT) &&
           (features & (AF_FRICATIVE | AF_NASAL | AF_LATERAL | AF_TRILL));
}

bool SmoothJoin(const SAlofon& before, const SAlofon& after, int16_t* join,
                const SVoicePair& voices) {
    if (before.useFast != after.useFast) return false;
    SJoinSide first{SoundingOf(before, voices), RateOf(before, voices), {}};
    SJoinSide second{SoundingOf(after, voices), RateOf(after, voices), {}};
    if (!first.recording.Exists() || !second.recording.Exists() || first.rate <= 0) return false;
    if (!IsContinuant(first.recording.Features()) || !IsContinuant(second.recording.Features()))
        return false;
    const int n1 = ReadCount(before), n2 = ReadCount(after);
    if (n1 == 0 || n2 == 0) return false;

    const SFP* p1 = before.positions.GetData();
    const SFP* p2 = after.positions.GetData();
    const int64_t step1 = int64_t{p1[n1 - 1].Raw()} - p1[n1 - 2].Raw();
    const int64_t step2 = int64_t{p2[1].Raw()} - p2[0].Raw();
    const int k1 = FadeSamples(first.rate, step1), k2 = FadeSamples(second.rate, step2);
    if (k1 == 0 || k2 == 0 || k1 > n1 || k2 > n2) return false;

    // Both sides on the crossfade's k1 + k2 samples: the sound before runs
    // on past its end at its last step, the sound after starts earlier.
    for (int j = 0; j < k1 + k2; ++j) {
        first.at.push_back(j < k1 ? p1[n1 - k1 + j].Raw()
                                  : int64_t{p1[n1 - 1].Raw()} + (j - k1 + 1) * step1);
        second.at.push_back(j >= k1 ? p2[j - k1].Raw() : int64_t{p2[0].Raw()} - (k1 - j) * step2);
    }
    if (!ShiftInwards(first, true) || !ShiftInwards(second, false)) return false;

    const std::vector<int16_t> out = Read(first), in = Read(second);
    const int span = k1 + k2;
    for (int j = 0; j < span; ++j) {
        const double w = 0.5 * (1.0 + std::cos(M_PI * (j + 0.5) / span));
        const double mixed =
            w * out[static_cast<size_t>(j)] + (1.0 - w) * in[static_cast<size_t>(j)];
        join[j - k1] = static_cast<int16_t>(std::clamp(std::lround(mixed), -32768L, 32767L));
    }
    return true;
}
