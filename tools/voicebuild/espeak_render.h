// Renders Polish text with espeak-ng's library and keeps, beside the PCM, the
// phoneme events that say where each phoneme starts. The voice builder cuts
// its allophones along these positions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace voicebuild {

struct PhonemeEvent {
    std::string mnemonic;  // espeak-ng phoneme name, e.g. "a", "n^", "ts;"
    size_t start = 0;      // first sample of the phoneme
    size_t end = 0;        // one past its last sample (the next event's start)
};

struct Rendering {
    std::vector<int16_t> samples;        // mono 16-bit PCM
    std::vector<PhonemeEvent> phonemes;  // in order of their start sample
    int rate = 0;                        // samples per second
};

// Renders each text in a child process of its own, so that espeak-ng's
// running state cannot carry from one text to the next.
class EspeakRenderer {
public:
    // Text is UTF-8, words_per_minute espeak-ng's rate (80..450). Synthesis
    // is deterministic: the same text at the same rate always gives the same
    // samples. Fails with SExitException when espeak-ng or its Polish voice
    // is unusable.
    Rendering Render(const std::string& text, int words_per_minute = kVoiceRate);

    // The rate the voice is made at, that of espeak-ng's own default.
    static constexpr int kVoiceRate = 175;
};

}  // namespace voicebuild
