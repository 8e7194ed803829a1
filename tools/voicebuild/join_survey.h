// The joins a voice makes in real text: every pair of allophones that the
// sentence rules place side by side (no pause between them) in a set of
// sentences, measured on the voice's own patterns at the natural rate.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class SAlfPattArr;

namespace voicebuild {

struct JoinMeasure {
    std::string left, right;  // inventory names
    int count = 0;            // how often the sentences make this join
    int sample_step = 0;      // |first sample of right - last sample of left|
    double jump_db = 0.0;  // log-mel distance between the last frame of left and the first of right
    bool silent = false;   // one edge is silence (a closure): no spectral jump is measured
};

// Sentences are UTF-8. The text analyser runs with default settings and
// the shared voices, which must be loaded (it reads their features); the
// joins are measured on `voice`, with the context recordings it holds chosen
// as the renderer chooses them. One entry per distinct pair of recordings
// (a pair of ids met with other context recordings is another entry), in
// order of first appearance.
std::vector<JoinMeasure> SurveyJoins(const std::vector<std::string>& sentences,
                                     const SAlfPattArr& voice);

// The sounding allophone ids of the sentences as the text analyser gives
// them (same requirements as SurveyJoins), split into runs at pauses: every
// two neighbours in a run are a join.
std::vector<std::vector<int>> SoundingRuns(const std::vector<std::string>& sentences,
                                           const SAlfPattArr& voice);

// Whether the `size` samples from `from` are silence (a stop's closure,
// below about -47 dBFS): no spectrum to compare and no click to make.
bool SilentEdge(const std::vector<int16_t>& samples, size_t from, size_t size);

// Markdown: a summary (joins, distinct pairs, largest sample step, mean and
// 95th-percentile spectral jump weighted by count) and the `worst` pairs by
// spectral jump.
std::string JoinReport(const std::vector<JoinMeasure>& joins, size_t worst);

}  // namespace voicebuild
