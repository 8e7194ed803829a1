// Timing: for every allophone of a sentence, the pattern positions (16.16
// fixed point, in samples of the pattern) read for each output sample, and
// the sample counts of pauses. The settings' Pitch is the only rate: 160
// reads the recordings at their own speed; above 240 the half-rate voice is
// read at half the step.
#pragma once

#include <cstdint>

#include <vector>

#include "core/containers.h"
#include "synthesis/intonation.h"
#include "synthesis/voices.h"

class SAttribute;
class SFP;
class SSentence;
class SWord;

// Pitch above which the half-rate voice is used.
constexpr int kFastPitch = 240;

// Times every word of the sentence with its own settings and the shared
// voices. This is the prosody step the engine runs on each finished
// sentence, after the sentence rules.
void ComputeTiming(SSentence& sentence);

// Control words change the settings for the words after them; the settings
// are restored afterwards (the chunk generator applies the tags again, for
// good, when it reaches them).
void ComputeTiming(SSentence& sentence, SAttribute& settings, const SVoicePair& voices);

// Times one word at the settings' current Pitch (clamped to 80..400, so a
// damaged setting can never make a zero step). With ramps (one per
// allophone of the word) each allophone is read at the pitch times its ramp,
// kept inside 80..400; without them every step is the same.
void TimeWord(SWord& word, const SAttribute& settings, const SVoicePair& voices,
              const std::vector<SPitchRamp>* ramps = nullptr);

// Fills `positions` with carry, carry + step, ... while below `limit` (16.16
// units) and returns the overshoot of the first value not stored, which the
// next allophone starts from. The list is sized from limit / step up front.
// step must be positive.
SFP FillPositions(SFP carry, SFP step, int64_t limit, SFastArray<SFP>& positions);

// As FillPositions, but the step moves linearly from `from` at position 0 to
// `to` at `limit` (both positive), so that the pitch glides across the
// allophone.
SFP FillGlidingPositions(SFP carry, SFP from, SFP to, int64_t limit, SFastArray<SFP>& positions);
