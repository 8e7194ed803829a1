// Pulse marks: where each pitch period of a voiced recording starts, so that
// a pitch change can read every period from its pulse at the natural step
// (period_warp.h). The first mark is the strongest sample in the first
// longest-period window; each next one is the mark plus the period found
// there, moved to the strongest sample of the same sign within 15 % of that
// period, so that the marks follow the pulses even where the pitch drifts.
#pragma once

#include <cstdint>
#include <vector>

#include "model/sounding.h"

// The marks (whole samples from the recording's start, ascending, at least
// one sample apart) of a recording at `sampleRate` Hz; none for a silent or
// voiceless recording or one shorter than two of its longest periods.
std::vector<int32_t> FindPulseMarks(const SSounding& recording, int sampleRate);

// FindPulseMarks, found once per recording and kept with it (safe to call
// from engines on several threads). The rate must be the recording's own,
// which is fixed per voice.
const std::vector<int32_t>& PulseMarksOf(const SSounding& recording, int sampleRate);
