// The synthetic source: every allophone of the carrier plan spoken by
// espeak-ng, cut out of its carrier, and the set level-normalised.
#pragma once

#include "recording_set.h"

namespace voicebuild {

// The loudest sample of the set after normalisation, in dB of full scale:
// headroom for the curve fit, which may overshoot a little between samples.
constexpr double kSetPeakDb = -1.5;

// Fails with SExitException when espeak-ng is unusable or a carrier does not
// hold its allophone.
RecordingSet ExtractFromEspeak();

}  // namespace voicebuild
