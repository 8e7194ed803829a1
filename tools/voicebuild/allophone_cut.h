// Cuts one allophone out of an espeak-ng carrier rendering: locates it by the
// phoneme events, trims silence, keeps a stop's closure, snaps the edges to
// zero crossings and fades them so that concatenated patterns do not click.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "carrier_plan.h"
#include "espeak_render.h"
#include "spectral_frames.h"

namespace voicebuild {

struct CutResult {
    std::vector<int16_t> samples;
    size_t start = 0;        // where the cut begins in the carrier, in samples
    size_t end = 0;          // one past where it ends
    size_t event_start = 0;  // the phoneme events' own span, for the report
    size_t event_end = 0;
    std::string found;        // the phonemes the carrier gave, blank-separated
    double stability_db = 0;  // steady cuts: mean spectral distance of its frames to their mean
    double edge_db = 0;       // steady cuts with targets: mean distance of the edges to them
};

// Edge fades, in milliseconds: long enough to hide a step, short enough to
// leave a stop's burst intact.
constexpr double kFadeMs = 3.0;
// The longest closure taken from before a stop's burst.
constexpr double kMaxClosureMs = 60.0;

// Fails with SExitException when the carrier does not hold the expected
// phonemes at the planned place, or when the cut is empty.
CutResult CutAllophone(const Rendering& carrier, const CarrierCut& plan);

// Where, inside [from, to) of samples, a window of `length` samples is most
// steady: the spectrum of its frames strays least from their mean, changes
// least from frame to frame and drifts least from its first third to its
// last (short-time log-mel spectra, distances in dB). Ties go to the earliest window; a span no
// longer than the window gives from.
struct SteadyWindow {
    size_t start = 0;
    double stability_db = 0.0;  // mean distance of the window's frames to their mean
    double edge_db = 0.0;       // mean distance of its edge frames to the targets (0 without)
};
// What the neighbours a pattern most often meets sound like where they touch
// it: the mean last frame of those before it and first frame of those after
// it, weighted by how often each join occurs. An empty frame is no target.
struct EdgeTargets {
    MelFrame before, after;
};
// With targets, the window's cost also holds kEdgeWeight times the mean
// distance of its first frame to `before` and its last to `after`, so the
// joins it makes most often jump least.
constexpr double kEdgeWeight = 0.3;
SteadyWindow FindSteadyWindow(const std::vector<int16_t>& samples, size_t from, size_t to,
                              size_t length, int rate, const EdgeTargets* targets = nullptr);

// Cuts `length` samples of the allophone's steadiest stretch out of a
// carrier spoken slowly (so that its steady part outlasts the transitions
// into its neighbours). Same checks as CutAllophone.
CutResult CutSteady(const Rendering& slow_carrier, const CarrierCut& plan, size_t length,
                    const EdgeTargets* targets = nullptr);

// Raised-cosine fades over the first and last fade_samples samples.
void FadeEdges(std::vector<int16_t>& samples, size_t fade_samples);

}  // namespace voicebuild
