// Recordings of an allophone made beside particular neighbours, kept by a
// voice besides its one pattern per id (the ContextSounds setting, beyond
// the written rules). Each is keyed by what stood before and after it: a
// given allophone, a class of sounds, silence, or anything. The renderer
// asks for the recording whose keys best fit an allophone's neighbours and
// falls back to the id's own pattern when none fits.
#pragma once

#include <cstdint>
#include <vector>

#include "model/pattern.h"

// A neighbour key: 0 fits any neighbour, 1..105 that allophone, kContextSilence
// a pause or the edge of the sentence, kContextClassBase + class a sound of
// that class.
constexpr uint16_t kContextAny = 0;
constexpr uint16_t kContextSilence = 0x100;
constexpr uint16_t kContextClassBase = 0x200;

// Sound classes a key may name (kContextClassBase + the class).
enum SSoundClass : uint16_t {
    kClassVowel = 1,
    kClassGlide,
    kClassNasal,
    kClassLiquid,
    kClassFricative,
    kClassStop,
    kClassAffricate,
    kClassCount = kClassAffricate
};

// The class of a sounding allophone id; 0 for silence and ids without sound.
uint16_t SoundClassOf(int id);
// Whether a key is one of the forms above (any, a sounding allophone
// 1..105, silence, a class).
bool IsValidContextKey(uint16_t key);

struct SContextSound {
    int id = 0;  // the allophone it records
    uint16_t before = kContextAny, after = kContextAny;
    // At the voice's rate, as many as the id's own pattern covers. Plain
    // samples and their slopes cost a ninth of the memory of a fitted curve.
    std::vector<int16_t> samples;
    std::vector<int16_t> slopes;  // SampleCurveSlopes of the samples
    // The periods a smoothed join reads inwards by, found once at load.
    SAlofonPatt::SEdgePeriod joinEdges[2];
    SPulseMarks pulseMarks;  // where each pitch period starts, found on first use
};

class SContextSounds {
public:
    void Clear();
    // Adds a recording (finding its slopes); it must have the id's own
    // pattern's length.
    void Add(int id, uint16_t before, uint16_t after, std::vector<int16_t> samples);

    int Count() const { return static_cast<int>(sounds_.size()); }
    const SContextSound& At(int index) const { return sounds_[static_cast<size_t>(index)]; }
    SContextSound& At(int index) { return sounds_[static_cast<size_t>(index)]; }

    // The best recording of `id` beside these neighbours (allophone ids, 0
    // for silence), as a number to keep with the allophone: 0 when no
    // recording fits, else its index + 1. A key that names the neighbour
    // itself or silence scores 4, its class 2, any 0; a key that names
    // something else rules the recording out. The highest total wins (a
    // recording keyed "any" on both sides fits everywhere, so the id's own
    // pattern is left only where nothing fits); among equals the first added.
    // With `silenceAfterAllowed` false a recording keyed by silence after is
    // passed over: made before a pause, it carries its source's phrase-final
    // pitch, which a sound with a tune of its own must not take.
    int Choose(int id, int before, int after, bool silenceAfterAllowed = true) const;
    // The recording of a number Choose gave for `id`; null for 0 or a number
    // that does not belong to `id`.
    const SContextSound* RecordingOf(int id, int chosen) const;

private:
    std::vector<SContextSound> sounds_;
    std::vector<std::vector<int>> byId_;  // indices into sounds_, per id
};
