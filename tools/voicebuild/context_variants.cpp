#include "context_variants.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

#include "allophone_cut.h"
#include "level_classes.h"
#include "model/context_sounds.h"
#include "model/inventory.h"
#include "model/pattern_store.h"
#include "recording_set.h"
#include "soundfile/voice_records.h"
#include "spectral_frames.h"
#include "synthesis/voice_pitch.h"
#include "voice_database.h"

namespace voicebuild {

namespace {

// Tokens much shorter or longer than the pattern they stand in for would
// lose their transitions or repeat too much of their middle.
constexpr double kShortestRatio = 0.6, kLongestRatio = 1.7;
// A period must resemble its neighbour this well to be one.
constexpr double kPeriodLikeness = 0.5;

uint16_t KeyOf(int neighbour, bool byClass) {
    if (neighbour == 0) return kContextSilence;
    return byClass ? uint16_t(kContextClassBase + SoundClassOf(neighbour)) : uint16_t(neighbour);
}

std::pair<uint16_t, uint16_t> KeysOf(const ProseToken& t, ContextScheme scheme) {
    switch (scheme) {
        case ContextScheme::kPair:
            return {KeyOf(t.before, false), KeyOf(t.after, false)};
        case ContextScheme::kClasses:
            return {KeyOf(t.before, true), KeyOf(t.after, true)};
        case ContextScheme::kAfter:
            return {kContextAny, KeyOf(t.after, false)};
        case ContextScheme::kBefore:
            return {KeyOf(t.before, false), kContextAny};
        case ContextScheme::kTypical:
            return {kContextAny, kContextAny};
        case ContextScheme::kStopClosure:
            return {KeyOf(t.before, true), KeyOf(t.after, false)};
    }
    return {kContextAny, kContextAny};
}

// The period near `at`: the lag (2.5 to 14 ms) whose samples best resemble
// those at `at`, or 0 when none resembles them well.
size_t PeriodNear(const std::vector<int16_t>& s, size_t at, int rate) {
    const size_t shortest = size_t(rate / 400), longest = size_t(rate / 70);
    size_t best = 0;
    double bestLikeness = kPeriodLikeness;
    for (size_t lag = shortest; lag <= longest; ++lag) {
        if (at + lag + longest > s.size()) break;
        double ab = 0, aa = 0, bb = 0;
        for (size_t i = 0; i < longest; ++i) {
            const double p = s[at + i], q = s[at + lag + i];
            ab += p * q, aa += p * p, bb += q * q;
        }
        const double likeness = aa > 0 && bb > 0 ? ab / std::sqrt(aa * bb) : 0;
        if (likeness > bestLikeness) bestLikeness = likeness, best = lag;
    }
    return best;
}

// The samples of a and then b over the same span, crossfaded from a to b.
void AppendCrossfade(std::vector<int16_t>& out, const int16_t* a, const int16_t* b, size_t n) {
    for (size_t i = 0; i < n; ++i) {
        const double w = 0.5 * (1.0 + std::cos(M_PI * (double(i) + 0.5) / double(n)));
        out.push_back(int16_t(std::lround(w * a[i] + (1.0 - w) * b[i])));
    }
}

// The token of the group whose spectrum lies closest to the group's mean,
// among those of a usable length; -1 when none is.
int MostTypical(const std::vector<const ProseToken*>& group, size_t length,
                const SpectralAnalyser& analyser) {
    std::vector<MelFrame> means(group.size());
    std::vector<MelFrame> usable;
    for (size_t i = 0; i < group.size(); ++i) {
        const double ratio = double(group[i]->samples.size()) / double(length);
        if (ratio < kShortestRatio || ratio > kLongestRatio) continue;
        const auto& s = group[i]->samples;
        std::vector<MelFrame> frames =
            analyser.Frames(s, 0, s.size(), std::max<size_t>(1, analyser.FrameSize() / 2));
        means[i] = MeanFrame(frames, 0, frames.size());
        usable.push_back(means[i]);
    }
    if (usable.empty()) return -1;
    const MelFrame centre = MeanFrame(usable, 0, usable.size());
    int best = -1;
    double bestCost = 0;
    for (size_t i = 0; i < group.size(); ++i) {
        if (means[i].empty()) continue;
        const double ratio = double(group[i]->samples.size()) / double(length);
        // A token that needs less stretching is worth a little spectral distance.
        const double cost = SpectralDistance(centre, means[i]) + 4.0 * std::abs(std::log(ratio));
        if (best < 0 || cost < bestCost) best = int(i), bestCost = cost;
    }
    return best;
}

// Before a pause espeak-ng's voiced tokens carry its own phrase-final pitch
// (a fall, a comma's or a question's rise), which would fight the engine's
// intonation: those sounds keep their own patterns. A voiceless fricative or
// affricate has no pitch, only the final noise worth having; a voiceless
// stop's final release measured worse than its own pattern.
bool RecordedBeforePause(int id) {
    return !CarriesPitch(InventoryFeatures(id)) && SoundClassOf(id) != kClassStop;
}

void ScaleTo(std::vector<int16_t>& s, double gain_db) {
    const double gain = std::pow(10.0, gain_db / 20.0);
    for (int16_t& v : s) v = int16_t(std::clamp(std::lround(v * gain), -32767L, 32767L));
}

// Brings a recording to the own pattern's length, fades and level.
std::vector<int16_t> FitIn(const std::vector<int16_t>& token, const std::vector<int16_t>& own,
                           int rate) {
    std::vector<int16_t> fitted = FitLength(token, own.size(), rate);
    FadeEdges(fitted, size_t(std::lround(rate * kFadeMs / 1000.0)));
    ScaleTo(fitted, ActiveLevelDb(own, rate) - ActiveLevelDb(fitted, rate));
    return fitted;
}

}  // namespace

bool ParseContextSchemes(const std::string& list, std::vector<ContextScheme>& schemes) {
    static const std::map<std::string, ContextScheme> names = {
        {"pair", ContextScheme::kPair},
        {"classes", ContextScheme::kClasses},
        {"after", ContextScheme::kAfter},
        {"before", ContextScheme::kBefore},
        {"typical", ContextScheme::kTypical},
        {"stop-closure", ContextScheme::kStopClosure}};
    schemes.clear();
    size_t from = 0;
    while (from <= list.size()) {
        const size_t comma = std::min(list.find(',', from), list.size());
        auto it = names.find(list.substr(from, comma - from));
        if (it == names.end()) return false;
        if (std::find(schemes.begin(), schemes.end(), it->second) == schemes.end())
            schemes.push_back(it->second);
        from = comma + 1;
    }
    return !schemes.empty();
}

std::vector<ProseToken> WithClosures(const std::vector<const ProseToken*>& group,
                                     size_t length) {
    std::vector<ProseToken> closed;
    closed.reserve(group.size());
    for (const ProseToken* t : group) {
        closed.push_back(*t);
        std::vector<int16_t>& s = closed.back().samples;
        if (s.size() < length) s.insert(s.begin(), length - s.size(), 0);
    }
    return closed;
}

std::vector<int16_t> FitLength(std::vector<int16_t> s, size_t length, int rate) {
    const size_t stretch = size_t(rate / 200);  // 5 ms
    for (int round = 0; s.size() != length; ++round) {
        const size_t size = s.size();
        // Seams move about the middle so no one period repeats too often.
        const double place = 0.35 + 0.3 * std::fmod(round * 0.618034, 1.0);
        const size_t at = size_t(double(size) * place);
        const size_t period = PeriodNear(s, at, rate);
        const size_t d = period ? period : stretch;
        const size_t diff = size > length ? size - length : length - size;
        // Less than a period too long: the end gives up the rest, so no
        // seam ever joins two waves out of phase.
        if (size > length && diff < d) {
            s.resize(length);
            break;
        }
        if (at + d + d > size) {
            s.resize(length, 0);  // too short to cut inside: pad or trim the end
            break;
        }
        std::vector<int16_t> out(s.begin(), s.begin() + long(size > length ? at : at + d));
        if (size > length) {
            AppendCrossfade(out, &s[at], &s[at + d], d);
            out.insert(out.end(), s.begin() + long(at + d + d), s.end());
        } else {
            AppendCrossfade(out, &s[at + d], &s[at], d);
            out.insert(out.end(), s.begin() + long(at + d), s.end());
        }
        s = std::move(out);
    }
    return s;
}

ContextVoices MakeContextRecordings(const std::vector<ProseToken>& tokens,
                                    const std::vector<ContextScheme>& schemes,
                                    const ContextBudget& budget, const SAlfPattArr& normal,
                                    const SAlfPattArr& half) {
    using Key = std::tuple<int, uint16_t, uint16_t>;
    std::map<Key, std::vector<const ProseToken*>> groups;
    for (ContextScheme scheme : schemes) {
        for (const ProseToken& t : tokens) {
            if (scheme == ContextScheme::kStopClosure && SoundClassOf(t.id) != kClassStop)
                continue;
            const auto [before, after] = KeysOf(t, scheme);
            groups[{t.id, before, after}].push_back(&t);
        }
    }
    // The most frequent groups first, so the budget keeps what text needs most.
    std::vector<std::pair<size_t, Key>> ranked;
    for (const auto& [key, group] : groups) {
        if (std::get<2>(key) == kContextSilence && !RecordedBeforePause(std::get<0>(key))) continue;
        if (int(group.size()) >= budget.least_tokens) ranked.push_back({group.size(), key});
    }
    // A sound before a pause comes first: its own pattern, cut between
    // vowels, is furthest from what a pause asks for, and the few such groups
    // cost little.
    auto beforePause = [](const Key& key) { return std::get<2>(key) == kContextSilence; };
    std::stable_sort(ranked.begin(), ranked.end(), [&](const auto& x, const auto& y) {
        if (beforePause(x.second) != beforePause(y.second)) return beforePause(x.second);
        return x.first > y.first;
    });

    ContextVoices out;
    out.groups = ranked.size();
    const int rate = int(normal.VoiceFormat().samplesPerSec);
    const int halfRate = int(half.VoiceFormat().samplesPerSec);
    SpectralAnalyser analyser(rate);
    std::map<Key, std::pair<std::vector<int16_t>, std::vector<int16_t>>> kept;
    size_t used = 0;
    for (const auto& [size, key] : ranked) {
        const auto& [id, before, after] = key;
        const SAlofonPatt* own = normal.PatternAt(id);
        const SAlofonPatt* ownHalf = half.PatternAt(id);
        if (!own || !ownHalf) continue;
        const std::vector<int16_t> ownSamples = RenderPattern(*own);
        if (budget.most_samples && used + ownSamples.size() > budget.most_samples) continue;
        std::vector<ProseToken> closed;
        std::vector<const ProseToken*> members = groups[key];
        if (SoundClassOf(id) == kClassStop) {
            closed = WithClosures(members, ownSamples.size());
            for (size_t i = 0; i < members.size(); ++i) members[i] = &closed[i];
        }
        const int pick = MostTypical(members, ownSamples.size(), analyser);
        if (pick < 0) continue;
        std::vector<int16_t> fitted = FitIn(members[size_t(pick)]->samples, ownSamples, rate);
        std::vector<int16_t> lower = ResampleSamples(fitted, rate, halfRate);
        const std::vector<int16_t> ownHalfSamples = RenderPattern(*ownHalf);
        lower = FitIn(lower, ownHalfSamples, halfRate);
        out.worst_level_db = std::max(
            {out.worst_level_db,
             std::abs(ActiveLevelDb(fitted, rate) - ActiveLevelDb(ownSamples, rate)),
             std::abs(ActiveLevelDb(lower, halfRate) - ActiveLevelDb(ownHalfSamples, halfRate))});
        kept[key] = {std::move(fitted), std::move(lower)};
        used += ownSamples.size();
    }
    for (auto& [key, recordings] : kept) {
        const auto& [id, before, after] = key;
        out.normal.push_back({uint16_t(id), before, after, std::move(recordings.first)});
        out.half.push_back({uint16_t(id), before, after, std::move(recordings.second)});
    }
    return out;
}

}  // namespace voicebuild
