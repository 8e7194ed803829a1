// speech-dispatcher's settings (SET) in Vokrant's terms: rate onto the speed
// scale, pitch onto the voice's own pitch, volume onto an even scale of
// decibels around the user's own volume, punctuation mode onto reading
// punctuation, spelling mode onto the spell mode.
#pragma once

#include <string>

struct SModuleSettings {
    int speed = 80;        // speed scale, 40..200
    int voicePitch = 100;  // per cent of the voice's natural pitch, 50..200
    int volumeLevel = 0;   // speech-dispatcher's -100..100
    bool readPunctuation = false;
    bool spellMode = false;
    bool sayCapitals = false;  // cap_let_recogn other than "none"
};

// rate -100..100 -> 40..200 with 0 at the normal 80.
int SpeedFromRate(int rate);
// pitch -100..100 -> 50..200 per cent, an octave each way, even in musical steps.
int VoicePitchFromLevel(int pitch);

// The loudness of the levels: -100 is silence, 0 the user's volume, +100 the
// engine's full volume, and the loudness between them even in decibels. The
// engine's volume scale is itself even in decibels, so the levels above 0
// move it from the user's volume to the full one; below 0 the samples are
// scaled, by kDecibelsPerLevel for each level.
constexpr double kDecibelsPerLevel = 0.3;
// The engine volume (0..65535) for a level, given the user's own.
unsigned EngineVolume(int level, unsigned userVolume);
// The factor the module scales the samples by (0 for silence, else up to 1).
double SampleGain(int level);

// Applies one "name=value" of a SET block. Names the module has no use for
// (pitch_range, voice, language, synthesis_voice, ...) are accepted and
// ignored; false only for a value it cannot read.
bool ApplyModuleSetting(SModuleSettings& settings, const std::string& name,
                        const std::string& value);
