#include "join_survey.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <tuple>

#include "core/attribute.h"
#include "model/inventory.h"
#include "model/pattern_store.h"
#include "model/sentence.h"
#include "model/spline.h"
#include "platform/codepage.h"
#include "spectral_frames.h"
#include "text/text_analyser.h"

namespace voicebuild {

namespace {

constexpr int kLastSoundingId = 105;  // 106..111 are pauses and silence, 112 "null", above: tags
// An edge frame quieter than this (about -47 dBFS) is a stop's closure: a
// join into or out of silence cannot click, and its spectrum means nothing.
constexpr double kSilentRms = 150.0;

}  // namespace

bool SilentEdge(const std::vector<int16_t>& s, size_t from, size_t size) {
    double sum = 0;
    size_t end = std::min(s.size(), from + size);
    for (size_t i = from; i < end; ++i) sum += double(s[i]) * s[i];
    return end <= from || sum / double(end - from) < kSilentRms * kSilentRms;
}

std::vector<std::vector<int>> SoundingRuns(const std::vector<std::string>& sentences,
                                           const SAlfPattArr& voice) {
    std::vector<std::vector<int>> runs(1);
    SAttribute settings;
    STextAnalyser analyser;
    analyser.Attach(&settings, nullptr, nullptr);
    for (const std::string& text : sentences) {
        std::string cp1250 = Utf8ToCp1250(text);
        analyser.BeginText(cp1250.c_str());
        while (SSentence* sentence = analyser.NextSentence()) {
            for (int w = 0; w < sentence->words.GetSize(); ++w) {
                const SWord& word = *sentence->words[w];
                if (word.control) continue;
                for (int a = 0; a < word.GetSize(); ++a) {
                    int id = word[a]->id;
                    const SAlofonPatt* p = voice.PatternAt(id);
                    bool sounding = id <= kLastSoundingId && p && !(p->features & AF_PAUSE) &&
                                    p->end > p->first;
                    if (sounding)
                        runs.back().push_back(id);
                    else if (!runs.back().empty())
                        runs.emplace_back();
                }
            }
            if (!runs.back().empty()) runs.emplace_back();
        }
    }
    return runs;
}

std::vector<JoinMeasure> SurveyJoins(const std::vector<std::string>& sentences,
                                     const SAlfPattArr& voice) {
    std::vector<JoinMeasure> joins;
    std::map<std::tuple<int, int, int, int>, size_t> seen;  // ids and their recordings
    int rate = int(voice.VoiceFormat().samplesPerSec);
    if (rate <= 0) return joins;
    SpectralAnalyser analyser(rate);
    // Samples by id and context recording, as the renderer would read them.
    std::map<std::pair<int, int>, std::vector<int16_t>> samples;
    auto samples_of = [&](int id, int chosen) -> const std::vector<int16_t>& {
        auto key = std::make_pair(id, chosen);
        auto it = samples.find(key);
        if (it == samples.end())
            it = samples.emplace(key, voice.Sounding(id, chosen).WholeSamples()).first;
        return it->second;
    };
    for (const auto& run : SoundingRuns(sentences, voice)) {
        // Each allophone's context recording, its neighbours as in the run
        // (silence at both ends).
        std::vector<int> chosen(run.size());
        for (size_t i = 0; i < run.size(); ++i)
            chosen[i] = voice.contextSounds.Choose(run[i], i > 0 ? run[i - 1] : 0,
                                                   i + 1 < run.size() ? run[i + 1] : 0);
        for (size_t i = 1; i < run.size(); ++i) {
            auto key = std::make_pair(run[i - 1], run[i]);
            auto found = seen.find({key.first, chosen[i - 1], key.second, chosen[i]});
            if (found != seen.end()) {
                ++joins[found->second].count;
                continue;
            }
            const auto& a = samples_of(key.first, chosen[i - 1]);
            const auto& b = samples_of(key.second, chosen[i]);
            size_t size = analyser.FrameSize();
            size_t tail = a.size() > size ? a.size() - size : 0;
            JoinMeasure m{std::string(InventoryName(key.first)),
                          std::string(InventoryName(key.second)),
                          1,
                          std::abs(int(b.front()) - int(a.back())),
                          0.0,
                          SilentEdge(a, tail, size) || SilentEdge(b, 0, size)};
            if (!m.silent)
                m.jump_db = SpectralDistance(analyser.Frame(a, tail), analyser.Frame(b, 0));
            seen[{key.first, chosen[i - 1], key.second, chosen[i]}] = joins.size();
            joins.push_back(m);
        }
    }
    return joins;
}

std::string JoinReport(const std::vector<JoinMeasure>& joins, size_t worst) {
    int total = 0, largest_step = 0, silent = 0;
    std::vector<std::pair<double, int>> jumps;  // jump, count
    double sum = 0;
    for (const auto& j : joins) {
        largest_step = std::max(largest_step, j.sample_step);
        if (j.silent) {
            silent += j.count;
            continue;
        }
        total += j.count;
        sum += j.jump_db * j.count;
        jumps.push_back({j.jump_db, j.count});
    }
    std::sort(jumps.begin(), jumps.end());
    double p95 = 0;
    for (int seen = 0; const auto& [jump, count] : jumps) {
        seen += count;
        p95 = jump;
        if (seen >= 0.95 * total) break;
    }
    char line[256];
    std::snprintf(
        line, sizeof line,
        "%d joins (%zu distinct pairs of recordings), %d of them into or out of a closure; largest "
        "sample step %d; "
        "spectral jump between sounding edges: mean %.1f dB, 95th percentile %.1f dB\n\n",
        total + silent, joins.size(), silent, largest_step, total ? sum / total : 0.0, p95);
    std::string out = line;
    std::vector<JoinMeasure> sorted = joins;
    std::stable_sort(sorted.begin(), sorted.end(), [](const JoinMeasure& x, const JoinMeasure& y) {
        return x.jump_db > y.jump_db;
    });
    out += "| join | times | sample step | spectral jump dB |\n|---|---:|---:|---:|\n";
    for (size_t i = 0; i < std::min(worst, sorted.size()); ++i) {
        std::snprintf(line, sizeof line, "| `%s`+`%s` | %d | %d | %.1f |\n", sorted[i].left.c_str(),
                      sorted[i].right.c_str(), sorted[i].count, sorted[i].sample_step,
                      sorted[i].jump_db);
        out += line;
    }
    return out;
}

}  // namespace voicebuild
