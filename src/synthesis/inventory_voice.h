// A voice assembled in memory from the inventory alone, for tests and tools
// that need the rules' features and pattern names without voice files.
#pragma once

#include "model/pattern_store.h"
#include "model/pcm_format.h"

// Empties `store`, then gives every named inventory id (1..111) a pattern
// with the inventory's name and features holding `samplesPerPattern`
// samples of a quiet tone at `format`'s rate, and finishes the store
// (pauses, "ch"/"chi", "null"). Fewer than 8 samples give silent patterns.
void BuildInventoryVoice(SAlfPattArr& store, const SPcmFormat& format, int samplesPerPattern,
                         const SPauseLengths& pauses = SPauseLengths{});

// The engine's own format: 16-bit mono PCM at `rate` Hz.
SPcmFormat MonoPcm16(uint32_t rate);
