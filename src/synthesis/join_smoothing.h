// Smoothing the joins between recordings (the SmoothJoins setting, beyond
// the written rules). Every recording of the voice fades in and out over its
// first and last 3 ms, so two sounds that meet dip towards silence between
// them. Where two continuous sounds meet (vowels, glides, nasals, liquids,
// fricatives; not the closure or burst of a stop), the 6 ms around the join
// become a raised-cosine crossfade of the two recordings, each read a whole
// number of its own periods inwards from its edge, past its fade, so the
// crossfade joins the waves in phase. Samples outside those 6 ms and every
// sample count stay as they were.
#pragma once

#include <cstdint>

#include "synthesis/pattern_periods.h"
#include "synthesis/voices.h"

class SAlfPattArr;
class SAlofon;
class SAlofonPatt;

// The fade at the edges of the voice's recordings.
constexpr double kRecordingFadeSeconds = 0.003;

// Whether a sound with these feature bits sounds on across its edges (a
// vowel, glide, nasal, liquid or fricative).
bool IsContinuant(uint32_t features);

// Smooths the join where `after` starts, at `join` in the output; `before`
// ends there. The allophones' samples are already rendered around `join`:
// `before`'s last SampleCount() samples end at join, `after`'s start at it.
// Joins that are not between two continuants, that cross the switch between
// the normal and the half-rate voice, or whose recordings are too short to
// read past their fades are left alone. Returns whether it changed samples.
bool SmoothJoin(const SAlofon& before, const SAlofon& after, int16_t* join,
                const SVoicePair& voices);

// The period a smoothed join reads a recording inwards by: the best lag
// just inside its fade at its start, or one longest period before the fade
// at its end (atEnd), `rate` the recording's sample rate.
SPatternPeriods::SLag JoinEdgePeriod(const SSounding& recording, int rate, bool atEnd);

// Finds JoinEdgePeriod at both edges of every continuous pattern of the
// voice (and of its context recordings when `contextRecordingsToo`) and
// keeps it with the recording, once when the voice has loaded, so that
// speaking does not search at every join. Joins of recordings without it
// search as they go, with the same result.
void PrepareJoinEdges(SAlfPattArr& store, bool contextRecordingsToo = true);
