// Allophone records and a word's ordered, owning list of them.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/containers.h"
#include "model/fixed_point.h"
#include "model/inventory.h"

template <typename T>
using SXBff = SFastArray<T>;

// One allophone in a word: what to render and, once timed, from which
// pattern positions each output sample is read.
class SAlofon {
public:
    explicit SAlofon(int id) : id(id) {}

    // Replaces the id unless the record is locked.
    void SetId(int newId) {
        if (!locked) id = newId;
    }
    // A voiced obstruent (49..62) becomes its voiceless partner.
    void Devoice() {
        if (id >= kAlfFirstVoiced && id <= kAlfLastVoiced) SetId(id + kAlfVoicelessOffset);
    }
    // A voiceless obstruent (63..76) becomes its voiced partner.
    void Voice() {
        if (id >= kAlfFirstVoiceless && id <= kAlfLastVoiceless) SetId(id - kAlfVoicelessOffset);
    }
    // Output samples: `length` when set, else one per read position. A pause
    // still measured in milliseconds (negative length) has no samples yet.
    int SampleCount() const {
        if (length < 0) return 0;
        return length != 0 ? length : positions.GetSize();
    }

    int32_t id;
    SXBff<SFP> positions;  // read positions in the pattern, 16.16 samples, one per output sample
    int32_t length = 0;    // explicit sample count; for id 110, -n means n milliseconds until timed
    bool useFast = false;  // rendered from the half-rate voice
    // The voice's recording of this id beside its neighbours
    // (SContextSounds::Choose); 0 for the id's own pattern.
    int32_t contextSound = 0;
    bool locked = false;  // the id came from an explicit transcription; rules keep it
};

// A word's allophones, in order; owns its records. Indices are 0-based.
class SAlofonBff : public SPtrArray<SAlofon> {
public:
    // Creates a record and appends it.
    SAlofon* Append(int id);
    // Appends the allophone that the normal voice names `name` (lowest id
    // wins); a name no pattern carries appends 111 ("err").
    SAlofon* AppendByName(std::string_view name);
    // Inserts before `index` and takes ownership; an index at or past the
    // count appends, a negative one inserts at the front.
    void Insert(int index, SAlofon* record);

    SAlofon* RecordAt(int index) const;  // nullptr when out of range
    int IdAt(int index) const;           // 112 when out of range
    // Feature bits of the normal voice's pattern for the id at `index`; 0
    // out of range, above 111, or when the voice has no such pattern.
    int FeaturesAt(int index) const;
    // Records whose features have AF_VOWEL.
    int VowelCount() const;
    // Bytes of the word's 16-bit PCM: 2 x the sum of the sample counts.
    int ByteCount() const;
};
