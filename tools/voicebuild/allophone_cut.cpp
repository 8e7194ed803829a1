#include "allophone_cut.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "core/exceptions.h"
#include "spectral_frames.h"

namespace voicebuild {

namespace {

// Below this RMS a frame is silence (closure or pause): about -47 dBFS.
constexpr double kSilentRms = 150.0;

std::vector<std::string> SplitBlanks(const char* text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

double FrameRms(const std::vector<int16_t>& s, size_t from, size_t to) {
    if (to <= from) return 0.0;
    double sum = 0.0;
    for (size_t i = from; i < to; ++i) sum += double(s[i]) * s[i];
    return std::sqrt(sum / double(to - from));
}

// Moves begin forward past silent frames, and end backward, within [begin, end).
void TrimSilence(const std::vector<int16_t>& s, size_t frame, size_t& begin, size_t& end) {
    while (begin + frame <= end && FrameRms(s, begin, begin + frame) < kSilentRms) begin += frame;
    while (end >= begin + frame && FrameRms(s, end - frame, end) < kSilentRms) end -= frame;
}

// Start of the silent stretch that ends at pos (a stop's closure), at most
// max_back samples back.
size_t ClosureStart(const std::vector<int16_t>& s, size_t frame, size_t pos, size_t max_back) {
    size_t limit = pos > max_back ? pos - max_back : 0;
    size_t begin = pos;
    while (begin >= limit + frame && FrameRms(s, begin - frame, begin) < kSilentRms) begin -= frame;
    return begin;
}

// The nearest sign change to pos within radius, or pos when there is none.
size_t NearestZeroCrossing(const std::vector<int16_t>& s, size_t pos, size_t radius) {
    for (size_t d = 0; d <= radius; ++d) {
        for (size_t p : {pos - std::min(d, pos), pos + d}) {
            if (p == 0 || p >= s.size()) continue;
            if ((s[p - 1] < 0) != (s[p] < 0) || s[p] == 0) return p;
        }
    }
    return pos;
}

std::string Join(const std::vector<PhonemeEvent>& ph, size_t from, size_t count) {
    std::string out;
    for (size_t i = from; i < from + count && i < ph.size(); ++i)
        out += (out.empty() ? "" : " ") + ph[i].mnemonic;
    return out;
}

// The cut's events: the phonemes the plan expects, where the plan says.
CutResult LocateEvents(const Rendering& carrier, const CarrierCut& plan) {
    std::vector<std::string> expected = SplitBlanks(plan.phonemes);
    const auto& ph = carrier.phonemes;
    size_t first = size_t(plan.first);
    std::string found = Join(ph, first, expected.size());
    bool matches = first + expected.size() <= ph.size();
    for (size_t i = 0; matches && i < expected.size(); ++i)
        matches = ph[first + i].mnemonic == expected[i];
    if (!matches)
        ThrowExit(kExitProcessing,
                  "\"%s\": carrier \"%s\" gives \"%s\" at phoneme %d, expected \"%s\"", plan.name,
                  plan.text, found.c_str(), plan.first, plan.phonemes);
    CutResult cut;
    cut.found = found;
    cut.event_start = ph[first].start;
    cut.event_end = ph[first + expected.size() - 1].end;
    return cut;
}

}  // namespace

namespace {

// Mean distance of a window's first and last frames to the targets there are.
double EdgeDistance(const MelFrame& first, const MelFrame& last, const EdgeTargets& targets) {
    double sum = 0.0;
    int count = 0;
    if (!targets.before.empty()) sum += SpectralDistance(first, targets.before), ++count;
    if (!targets.after.empty()) sum += SpectralDistance(last, targets.after), ++count;
    return count ? sum / count : 0.0;
}

}  // namespace

SteadyWindow FindSteadyWindow(const std::vector<int16_t>& samples, size_t from, size_t to,
                              size_t length, int rate, const EdgeTargets* targets) {
    SteadyWindow best{from, 0.0, 0.0};
    to = std::min(to, samples.size());
    if (to <= from || to - from <= length) return best;
    SpectralAnalyser analyser(rate);
    size_t hop = std::max<size_t>(1, analyser.FrameSize() / 4);
    std::vector<MelFrame> frames = analyser.Frames(samples, from, to, hop);
    // Frames wholly inside a window starting at frame w: w .. w + per_window.
    size_t per_window =
        length > analyser.FrameSize() ? (length - analyser.FrameSize()) / hop + 1 : 1;
    double best_cost = -1.0;
    for (size_t w = 0; w + per_window <= frames.size() && from + w * hop + length <= to; ++w) {
        MelFrame mean = MeanFrame(frames, w, w + per_window);
        double spread = 0.0, change = 0.0;
        for (size_t f = w; f < w + per_window; ++f) {
            spread += SpectralDistance(frames[f], mean);
            if (f > w) change += SpectralDistance(frames[f], frames[f - 1]);
        }
        spread /= double(per_window);
        change /= double(std::max<size_t>(1, per_window - 1));
        // Drift from the first third to the last: what a repeat would make audible.
        size_t third = std::max<size_t>(1, per_window / 3);
        double drift = SpectralDistance(MeanFrame(frames, w, w + third),
                                        MeanFrame(frames, w + per_window - third, w + per_window));
        double edges =
            targets ? EdgeDistance(frames[w], frames[w + per_window - 1], *targets) : 0.0;
        double cost = spread + change + 2.0 * drift + kEdgeWeight * edges;
        if (best_cost < 0 || cost < best_cost) {
            best_cost = cost;
            best = {from + w * hop, spread, edges};
        }
    }
    return best;
}

CutResult CutSteady(const Rendering& slow_carrier, const CarrierCut& plan, size_t length,
                    const EdgeTargets* targets) {
    CutResult cut = LocateEvents(slow_carrier, plan);
    const auto& s = slow_carrier.samples;
    size_t frame = size_t(slow_carrier.rate / 200);
    size_t begin = cut.event_start, end = std::min(cut.event_end, s.size());
    TrimSilence(s, frame, begin, end);
    if (end <= begin || FrameRms(s, begin, end) < kSilentRms)
        ThrowExit(kExitProcessing, "\"%s\": nothing but silence in carrier \"%s\"", plan.name,
                  plan.text);
    length = std::min(length, end - begin);
    SteadyWindow window = FindSteadyWindow(s, begin, end, length, slow_carrier.rate, targets);
    size_t radius = size_t(slow_carrier.rate * 0.0015);
    cut.start = NearestZeroCrossing(s, window.start, radius);
    cut.end = std::min(NearestZeroCrossing(s, cut.start + length, radius), s.size());
    cut.stability_db = window.stability_db;
    cut.edge_db = window.edge_db;
    cut.samples.assign(s.begin() + std::ptrdiff_t(cut.start), s.begin() + std::ptrdiff_t(cut.end));
    FadeEdges(cut.samples, size_t(slow_carrier.rate * kFadeMs / 1000));
    return cut;
}

CutResult CutAllophone(const Rendering& carrier, const CarrierCut& plan) {
    CutResult cut = LocateEvents(carrier, plan);
    const auto& s = carrier.samples;
    size_t frame = size_t(carrier.rate / 200);  // 5 ms
    size_t begin = cut.event_start, end = std::min(cut.event_end, s.size());
    TrimSilence(s, frame, begin, end);
    if (plan.kind == CutKind::kStop)
        begin = ClosureStart(s, frame, std::min(begin, cut.event_start),
                             size_t(carrier.rate * kMaxClosureMs / 1000));
    if (end <= begin || FrameRms(s, begin, end) < kSilentRms)
        ThrowExit(kExitProcessing, "\"%s\": nothing but silence in carrier \"%s\"", plan.name,
                  plan.text);

    size_t radius = size_t(carrier.rate * 0.0015);
    begin = NearestZeroCrossing(s, begin, radius);
    end = NearestZeroCrossing(s, end, radius);
    cut.start = begin;
    cut.end = end;
    cut.samples.assign(s.begin() + std::ptrdiff_t(begin), s.begin() + std::ptrdiff_t(end));
    FadeEdges(cut.samples, size_t(carrier.rate * kFadeMs / 1000));
    return cut;
}

void FadeEdges(std::vector<int16_t>& samples, size_t fade_samples) {
    size_t n = std::min(fade_samples, samples.size() / 2);
    for (size_t i = 0; i < n; ++i) {
        double g = 0.5 - 0.5 * std::cos(M_PI * (double(i) + 0.5) / double(n));
        samples[i] = int16_t(std::lround(samples[i] * g));
        samples[samples.size() - 1 - i] = int16_t(std::lround(samples[samples.size() - 1 - i] * g));
    }
}

}  // namespace voicebuild
