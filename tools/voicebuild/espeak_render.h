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

// espeak-ng keeps process-wide state, so one renderer at a time; it is
// initialised once and shut down with the last renderer.
class EspeakRenderer {
public:
    // Fails with SExitException when espeak-ng or its Polish voice is missing.
    EspeakRenderer();
    ~EspeakRenderer();
    EspeakRenderer(const EspeakRenderer&) = delete;
    EspeakRenderer& operator=(const EspeakRenderer&) = delete;

    // Text is UTF-8. Synthesis is synchronous and deterministic: the same
    // text always gives the same samples.
    Rendering Render(const std::string& text);
};

}  // namespace voicebuild
