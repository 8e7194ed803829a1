// Allophones as espeak-ng speaks them inside running prose: each sentence
// is rendered once, and the phonemes espeak-ng reports are aligned with the
// allophones the engine's sentence rules give the same text, so each
// allophone found on both sides comes with its neighbours and its samples.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "espeak_render.h"

namespace voicebuild {

struct ProseToken {
    int id = 0;                    // the allophone
    int before = 0, after = 0;     // its neighbours in the engine's reading; 0 for silence
    std::vector<int16_t> samples;  // espeak-ng's rendering of it there
};

struct AlignmentCount {
    size_t allophones = 0;  // sounding allophones the engine read
    size_t tokens = 0;      // of them found, phoneme for phoneme, in espeak-ng's rendering
};

// The espeak-ng phonemes that stand for an allophone id (from the carrier
// plan), e.g. {";", "a"} for "ia"; empty for ids without a sound.
std::vector<std::string> EspeakPhonemesOf(int id);

// One string of aligned pairs: for every position of `ours`, the index into
// `theirs` it is matched to exactly, or -1. Edit-distance alignment in which a
// pair matches when the names are equal, ignoring a trailing '#'.
std::vector<int> AlignPhonemes(const std::vector<std::string>& ours,
                               const std::vector<std::string>& theirs);

// Splits prose into sentences at '.', '?' and '!' followed by a blank or
// the end, dropping empty ones.
std::vector<std::string> SplitSentences(const std::string& prose);

// The engine's reading of each sentence must already have its shared voices
// loaded (the sentence rules read their features).
std::vector<ProseToken> CutProseTokens(const std::vector<std::string>& sentences,
                                       EspeakRenderer& espeak, AlignmentCount* count = nullptr);

}  // namespace voicebuild
