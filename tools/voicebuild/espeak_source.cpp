#include "espeak_source.h"

#include <espeak-ng/speak_lib.h>

#include <cstdio>
#include <map>

#include "allophone_cut.h"
#include "carrier_plan.h"
#include "espeak_render.h"
#include "join_survey.h"
#include "model/inventory.h"
#include "model/pattern_store.h"
#include "neighbour_text.h"
#include "synthesis/inventory_voice.h"

namespace voicebuild {

namespace {

std::string DescribeCut(const CarrierCut& plan, const CutResult& cut, int rate) {
    auto ms = [rate](size_t samples) { return 1000.0 * double(samples) / rate; };
    char text[320];
    std::snprintf(text, sizeof text, "\"%s\" [%s] %.1f-%.1f ms (events %.1f-%.1f), %s; %s",
                  plan.text, cut.found.c_str(), ms(cut.start), ms(cut.end), ms(cut.event_start),
                  ms(cut.event_end), CutKindName(plan.kind), plan.context);
    return text;
}

// The slow rate steady stretches are taken from: espeak-ng's transitions
// keep their length when it slows down, so the steady part grows.
constexpr int kSlowRate = 80;

// Vowels and continuants are taken steady; stops keep closure and burst as
// cut, and the i-vowels keep the palatal glide their names stand for.
bool TakesSteadyCut(const CarrierCut& plan) {
    return plan.kind != CutKind::kStop && plan.phonemes[0] != ';';
}

std::string DescribeSteadyCut(const CutResult& cut, int rate) {
    char text[200];
    std::snprintf(text, sizeof text,
                  "; steady %.1f-%.1f ms at %d wpm (%.1f dB, edges %.1f dB from its neighbours)",
                  1000.0 * double(cut.start) / rate, 1000.0 * double(cut.end) / rate, kSlowRate,
                  cut.stability_db, cut.edge_db);
    return text;
}

// How often each pair of recordings (by name) meets in the neighbour text.
using JoinCounts = std::map<std::pair<std::string, std::string>, int>;

JoinCounts CountJoins() {
    // The text analyser reads the allophones' features from the shared voice.
    if (NormalVoice().PatternAt(1) == nullptr) {
        BuildInventoryVoice(NormalVoice(), MonoPcm16(22050), 64);
        BuildInventoryVoice(HalfRateVoice(), MonoPcm16(11025), 32);
    }
    JoinCounts counts;
    for (const auto& run : SoundingRuns(NeighbourText(), NormalVoice()))
        for (size_t i = 1; i < run.size(); ++i)
            ++counts[{std::string(InventoryName(run[i - 1])), std::string(InventoryName(run[i]))}];
    return counts;
}

// Count-weighted mean of the frames, or no frame when there are none.
MelFrame WeightedMean(const std::vector<std::pair<MelFrame, int>>& frames) {
    MelFrame mean;
    double total = 0.0;
    for (const auto& [frame, count] : frames) {
        if (mean.empty()) mean.assign(frame.size(), 0.0);
        for (size_t b = 0; b < mean.size() && b < frame.size(); ++b) mean[b] += frame[b] * count;
        total += count;
    }
    for (double& v : mean) v /= total;
    return mean;
}

// The edge targets of `name` from the first cuts of its neighbours.
EdgeTargets TargetsOf(const std::string& name, const RecordingSet& set, const JoinCounts& counts,
                      const SpectralAnalyser& analyser) {
    std::vector<std::pair<MelFrame, int>> before, after;
    size_t size = analyser.FrameSize();
    for (const auto& [pair, count] : counts) {
        const AllophoneRecording* left = pair.second == name ? set.Find(pair.first) : nullptr;
        if (left && left->samples.size() >= size) {
            size_t tail = left->samples.size() - size;
            if (!SilentEdge(left->samples, tail, size))
                before.push_back({analyser.Frame(left->samples, tail), count});
        }
        const AllophoneRecording* right = pair.first == name ? set.Find(pair.second) : nullptr;
        if (right && right->samples.size() >= size && !SilentEdge(right->samples, 0, size))
            after.push_back({analyser.Frame(right->samples, 0), count});
    }
    return {WeightedMean(before), WeightedMean(after)};
}

std::string FormatWeight(double weight) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", weight);
    return text;
}

}  // namespace

RecordingSet ExtractFromEspeak() {
    EspeakRenderer espeak;
    RecordingSet set;
    std::vector<size_t> natural_length(PolishCarrierPlan().size());
    for (size_t i = 0; i < PolishCarrierPlan().size(); ++i) {
        const CarrierCut& plan = PolishCarrierPlan()[i];
        Rendering carrier = espeak.Render(plan.text);
        set.rate = carrier.rate;
        CutResult cut = CutAllophone(carrier, plan);
        natural_length[i] = cut.samples.size();
        std::string how = DescribeCut(plan, cut, carrier.rate);
        if (TakesSteadyCut(plan)) {
            // The natural-rate cut gives the length; the slow carrier the sound.
            CutResult steady =
                CutSteady(espeak.Render(plan.text, kSlowRate), plan, cut.samples.size());
            how += DescribeSteadyCut(steady, carrier.rate);
            cut.samples = std::move(steady.samples);
        }
        set.recordings.push_back({plan.name, std::move(cut.samples), how});
    }
    // Second pass: each steady cut moves towards the neighbours it meets
    // most often, as the first pass cut them.
    JoinCounts counts = CountJoins();
    SpectralAnalyser analyser(set.rate);
    RecordingSet first = set;
    for (size_t i = 0; i < PolishCarrierPlan().size(); ++i) {
        const CarrierCut& plan = PolishCarrierPlan()[i];
        if (!TakesSteadyCut(plan)) continue;
        EdgeTargets targets = TargetsOf(plan.name, first, counts, analyser);
        CutResult steady =
            CutSteady(espeak.Render(plan.text, kSlowRate), plan, natural_length[i], &targets);
        AllophoneRecording& r = set.recordings[i];
        r.how = r.how.substr(0, r.how.find("; steady")) + DescribeSteadyCut(steady, set.rate);
        r.samples = std::move(steady.samples);
    }
    NormaliseSetPeak(set, kSetPeakDb);
    const char* data_path = nullptr;
    set.source =
        std::string("espeak-ng ") + espeak_Info(&data_path) +
        ", Polish voice, 175 words per minute, rendered at " + std::to_string(set.rate) +
        " Hz through its C library. Each allophone is located in a carrier word by the library's "
        "phoneme events (their sample positions) and trimmed of silence; its length is that of the "
        "cut at 175 words per minute (a stop keeps the closure before its burst, up to 60 ms). "
        "Stops, affricates and the i-vowels (which carry the palatal glide their names stand for) "
        "are cut there. Every other vowel and consonant is taken from the same carrier spoken at " +
        std::to_string(kSlowRate) +
        " words per minute, where its steady part outlasts the transitions into its "
        "neighbours: of all windows of the needed length inside its events, the one whose "
        "short-time log-mel spectra stray least from their mean, change least from frame to "
        "frame and drift least from its first third to its last, and whose first and last "
        "frames lie closest to the neighbours it will most often meet. That last term comes "
        "from a second pass: the sentence rules read a built-in page of everyday Polish "
        "prose, every pair of allophones they place side by side is counted, and a window's "
        "edges are compared with the count-weighted mean last frame of the sounds before it "
        "and first frame of those after it, as the first pass cut them; it weighs " +
        FormatWeight(kEdgeWeight) +
        " against steadiness. Edges are snapped to zero crossings and given 3 ms raised-"
        "cosine fades; the set shares one gain that puts its loudest sample at -1.5 dBFS.";
    return set;
}

}  // namespace voicebuild
