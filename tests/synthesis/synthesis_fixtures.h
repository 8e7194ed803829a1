// Small voices and words for the timing, rendering and chunk tests: patterns
// of known lengths and contents, and words built from allophone ids.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/attribute.h"
#include "model/inventory.h"
#include "model/pattern_store.h"
#include "model/sentence.h"
#include "model/spline_read.h"
#include "model/word.h"
#include "synthesis/inventory_voice.h"
#include "synthesis/timing.h"
#include "synthesis/voices.h"

// A normal (22050 Hz) and a half-rate (11025 Hz) voice whose patterns 1..97
// hold `samples` samples of a ramp, plus the pause patterns.
struct STestVoices {
    SAlfPattArr normal;
    SAlfPattArr halfRate;

    explicit STestVoices(int samples = 1000, int halfRateSamples = 500) {
        Fill(normal, 22050, samples);
        Fill(halfRate, 11025, halfRateSamples);
    }
    SVoicePair Pair() const { return {&normal, &halfRate}; }

    // Pattern `id` becomes a ramp of n samples: sample k is step * k.
    static void SetRamp(SAlfPattArr& store, int id, int n, int step) {
        std::vector<int16_t> ramp(n);
        for (int k = 0; k < n; ++k) ramp[k] = static_cast<int16_t>(step * k);
        SAlofonPatt* pattern =
            new SAlofonPatt(InventoryEntry(id), ramp.data(), 2 * n, MonoPcm16(22050));
        pattern->format =
            store.VoiceFormat().samplesPerSec ? store.VoiceFormat() : MonoPcm16(22050);
        store.Store(id, pattern);
    }

private:
    static void Fill(SAlfPattArr& store, uint32_t rate, int samples) {
        BuildInventoryVoice(store, MonoPcm16(rate), samples);
    }
};

// A sentence the test owns, with words appended from ids (no transcription).
struct STestSentence {
    SSentence sentence;

    SWord& Word(std::vector<int> ids, int sourcePosition = 0, const std::string& text = "a") {
        SWord* word = new SWord(&sentence, text, text, sourcePosition);
        for (int id : ids) word->Append(id);
        sentence.words.Add(word);
        return *word;
    }
    // A word of one allophone with an explicit sample count.
    SWord& SizedWord(int samples, int sourcePosition = 0) {
        SWord& word = Word({1}, sourcePosition);
        word[0]->length = samples;
        return word;
    }
    // A control word: byte 3, the tag code, the argument; carrier = code + 114.
    SWord& Tag(int code, const std::string& argument) {
        std::string text = std::string("\x03") + static_cast<char>(code) + argument;
        SWord& word = Word({code + 114}, 0, text);
        word.control = 1;
        word.hidden = 1;
        return word;
    }
};

// Positions 0, step, 2 step ... below the pattern's end, as timing gives them.
inline SFastArray<SFP> NaturalPositions(const SAlofonPatt& pattern, double step = 1.0) {
    SFastArray<SFP> positions;
    FillPositions(SFP(), SFP::FromReal(step), int64_t{pattern.end - pattern.first} * SFP::kOne,
                  positions);
    return positions;
}

// The pattern read at `positions` by the plain spline reader.
inline std::vector<int16_t> Render(const SAlofonPatt& pattern, const SFastArray<SFP>& positions) {
    std::vector<int16_t> out(static_cast<size_t>(positions.GetSize()));
    ReadSpline(SSplinePath::kScalar, pattern, nullptr, positions.GetData(), positions.GetSize(),
               out.data());
    return out;
}
