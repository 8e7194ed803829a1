// The voice's own pitch (the VoicePitch setting, beyond the written rules):
// a voiced allophone is read at its step times the factor, the same way the
// intonation moves the pitch, and keeps the number of samples it had at the
// natural pitch. Reading faster runs ahead of the recording's own time, so
// the reader jumps back by one period of the recording wherever it has run
// half a period ahead (reading slower: forward, where it has fallen half a
// period behind). Each jump spans the lag at which the recording best
// resembles itself there, so the waveform goes on almost unbroken.
#pragma once

#include <cstdint>

#include "core/containers.h"
#include "model/fixed_point.h"
#include "model/sounding.h"

// The factors the renderer applies: beyond them every formant moves so far
// with the pitch that the voice no longer sounds like itself (measured in
// data/VOICE.md). A setting outside is clamped to them.
constexpr int kLowestVoicePitch = 70, kHighestVoicePitch = 150;

// Whether a sound with these feature bits has a pitch to move: voiceless
// stops, affricates and fricatives do not ([x] is marked neither way).
bool CarriesPitch(uint32_t features);

// The factor for a VoicePitch setting in per cent, clamped to the range above.
double VoicePitchFactor(int percent);

// Turns `positions` (read at the natural pitch, 16.16 pattern samples, in
// ascending order) into as many positions read `factor` times faster, with
// the period jumps described above. `sampleRate` is the pattern's rate. A
// factor of 1, an empty list or a pattern without samples leave the list
// unchanged; every position stays inside the pattern.
void ShiftPitchKeepingLength(const SSounding& recording, int sampleRate, double factor,
                             SFastArray<SFP>& positions);
