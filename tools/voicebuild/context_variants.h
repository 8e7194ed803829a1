// From allophones cut out of espeak-ng's running prose to the context
// recordings of a voice: tokens are grouped by the neighbours they stood
// beside (as the chosen scheme names them), the most frequent groups keep
// their most typical token, and each kept token is made to fit in where the
// id's own pattern would sound: the same length, the same fades, the same
// active level; the half-rate voice gets the same recordings resampled.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "prose_tokens.h"
#include "soundfile/context_section.h"

class SAlfPattArr;

namespace voicebuild {

// How a token's neighbours become keys.
enum class ContextScheme {
    kPair,     // the allophone before and after, each by id (silence as such)
    kClasses,  // the class of the sound before and after
    kAfter,    // only the sound after, by id
    kBefore,   // only the sound before, by id
    kTypical,  // any neighbours: the id's most typical token in running prose
    // Stops only: the class of the sound before and the sound after by id.
    // A stop closes with a voice bar after a vowel and in silence after a
    // consonant or a pause.
    kStopClosure,
};

// A comma-separated list of "pair", "classes", "after", "before", "typical",
// "stop-closure"; false for any other name or an empty list.
bool ParseContextSchemes(const std::string& list, std::vector<ContextScheme>& schemes);

struct ContextBudget {
    int least_tokens = 2;     // a group needs this many tokens in the prose
    size_t most_samples = 0;  // at the normal rate, over all recordings; 0: no limit
};

struct ContextVoices {
    std::vector<SContextRecording> normal, half;
    size_t groups = 0;  // groups that had enough tokens, before the budget
    // The largest difference between a recording's active level and its own
    // pattern's, in dB, over both rates (clipping can keep a loud one lower).
    double worst_level_db = 0;
};

// A stop's token shorter than its own pattern gets silence in front, the
// closure espeak-ng gave to the pause before it. Tokens are grouped under
// every scheme given; the groups of all of them compete for the budget, the
// most frequent first. `normal` and `half` are the voice's stores (their
// patterns give the lengths and levels to match). Deterministic: the same
// tokens always give the same recordings, in order of id, then keys.
ContextVoices MakeContextRecordings(const std::vector<ProseToken>& tokens,
                                    const std::vector<ContextScheme>& schemes,
                                    const ContextBudget& budget, const SAlfPattArr& normal,
                                    const SAlfPattArr& half);

// Copies of the tokens, each shorter than `length` with silence put in front
// up to it. After a consonant or a pause espeak-ng closes a stop in silence
// that its events give to the pause, so the stop's own event is little more
// than the burst: too short to stand in for the pattern without its closure.
std::vector<ProseToken> WithClosures(const std::vector<const ProseToken*>& group, size_t length);

// `samples` brought to exactly `length` samples by taking out or putting in
// whole periods (or 5 ms stretches where there is no period) around its
// middle, each seam crossfaded over one period; what is left, less than a
// period, comes off the end. The start stays as it was.
std::vector<int16_t> FitLength(std::vector<int16_t> samples, size_t length, int rate);

}  // namespace voicebuild
