// Sentence intonation: a pitch factor for every sounding allophone of a
// sentence, applied by timing as a change of the step the patterns are read
// at (voiced sounds only). Statements decline gently and fall over their
// last vowel, a question rises from its last stressed vowel, a comma gets a
// lesser rise before it. The depth setting scales all of it; 0 leaves the
// sentence flat.
#pragma once

#include <vector>

#include "model/fixed_point.h"
#include "synthesis/voices.h"

class SSentence;

// The pitch factor at the start and at the end of one allophone (16.16;
// 1.0 is the settings' own pitch). Timing moves the step linearly from one
// to the other across the allophone, so the contour has no steps.
struct SPitchRamp {
    SFP from = SFP::FromInt(1);
    SFP to = SFP::FromInt(1);
};

// Ramps per word and allophone, indexed like sentence.words[w][a]. Words
// and allophones that do not sound (control words, tag carriers, pauses)
// keep the flat ramp.
using SSentenceContour = std::vector<std::vector<SPitchRamp>>;

// depth is IntonationDepth in percent (50 is the natural depth); values
// outside 0..100 are clamped. The time axis is the patterns' own length in
// the normal voice, so the contour does not depend on the rate.
SSentenceContour SentenceContour(const SSentence& sentence, int depth, const SVoicePair& voices);
