// The voice in memory: one pattern per allophone id. Two process-wide stores
// exist, the normal voice and the same inventory at half the sample rate
// (used for fast reading). They are filled once and then only read, apart
// from the pause patterns, which follow the pause settings.
#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <string_view>

#include "core/containers.h"
#include "model/context_sounds.h"
#include "model/pattern.h"
#include "model/pcm_format.h"
#include "model/sounding.h"

class SAttribute;

// Pause durations in milliseconds, as the settings hold them.
struct SPauseLengths {
    int doubleLetter = 30;    // 106 "p003"
    int interWord = 70;       // 107 "p010"
    int punctuation = 200;    // 108 "p050"
    int interSentence = 500;  // 109 "p100"

    static SPauseLengths From(const SAttribute& settings);
};

// Slot i holds the pattern of id i or nothing; the store owns its patterns.
class SAlfPattArr : public SPtrArray<SAlofonPatt> {
public:
    // nullptr for an empty slot or an id outside the store.
    SAlofonPatt* PatternAt(int id) const;
    // The recording an allophone sounds with: the context recording it was
    // given (SContextSounds::Choose) when this voice holds it, else the
    // pattern at `id`; nothing when the slot is empty.
    SSounding Sounding(int id, int contextSound) const;
    // The pattern of `id`, or a shared silent pattern (no features, no
    // segments, length 0) when the slot is empty: an id without a recording
    // renders as nothing rather than failing.
    const SAlofonPatt& PatternOrSilent(int id) const;

    // Puts `pattern` at `id` (taking ownership), deleting any pattern there
    // and growing the store as needed. Ignores a negative id.
    void Store(int id, SAlofonPatt* pattern);
    // The pattern at `id`, created empty (with that id) when missing.
    SAlofonPatt& PatternOrCreate(int id);

    // The first id, in id order, whose pattern name equals `name` byte for
    // byte; -1 if none.
    int FindByName(std::string_view name) const;
    // The format of the pattern at id 1; all zero when there is none. Its
    // samplesPerSec is the voice's sample rate.
    SPcmFormat VoiceFormat() const;

    // After every load: the pause patterns 106..110 (lengths from the
    // process-wide default settings), 87/88 as voiceless copies of 85/86
    // named "ch"/"chi", and the empty "null" pattern at 112.
    void FinishLoad();
    void FinishLoad(const SPauseLengths& pauses);
    void FinishLoad(const SAttribute& settings) { FinishLoad(SPauseLengths::From(settings)); }

    // Rebuilds a pause pattern (ids 106..110; other ids are left alone):
    // no segments, AF_PAUSE, its name, and a length of the duration at the
    // voice's rate rounded down to a multiple of 16 samples. Durations of
    // 106..109 are clamped to 1..10000 ms; 110 is always 1000 ms.
    void MakePause(SAlofonPatt& pattern, const SPauseLengths& pauses) const;
    void MakePause(SAlofonPatt& pattern, const SAttribute& settings) const {
        MakePause(pattern, SPauseLengths::From(settings));
    }
    // The length in samples that MakePause gives pause `id` with these
    // durations at this voice's rate. Speaking uses it with the speaking
    // engine's own settings, so the shared patterns' lengths decide nothing.
    int PauseLength(int id, const SPauseLengths& pauses) const;
    // MakePause on every pause pattern of the store (created when missing);
    // the engine calls it when a pause setting changes.
    void MakePauses(const SPauseLengths& pauses);
    void MakePauses(const SAttribute& settings) { MakePauses(SPauseLengths::From(settings)); }

    // Recordings of allophones beside particular neighbours; empty unless
    // the voice file holds them (or until they are first asked for, below).
    // Mutable only for that first use.
    mutable SContextSounds contextSounds;

    // Context recordings that `load` puts into contextSounds the first time
    // Sounding is asked for one, so a voice that is seldom spoken with (the
    // half-rate one, for the fastest speech) costs no memory for them until
    // then. Safe while engines on several threads speak; null cancels.
    using SContextLoader = std::function<void(const SAlfPattArr&, SContextSounds&)>;
    void LoadContextSoundsOnFirstUse(SContextLoader load);

private:
    struct SDeferredContextSounds {
        std::once_flag loaded;
        SContextLoader load;
    };
    std::shared_ptr<SDeferredContextSounds> deferredContextSounds_;

    void CopyVoicelessTwin(int id, int sourceId, const char* name);
};

// Samples for `ms` milliseconds at `rate` Hz, rounded, then rounded down to a
// multiple of 16.
int PauseSamples(int rate, int ms);

// The process-wide stores: the normal voice ("pln_22.als") and the
// half-rate voice ("pln_11.als").
SAlfPattArr& NormalVoice();
SAlfPattArr& HalfRateVoice();
