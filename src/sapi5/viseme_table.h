// SAPI 5 visemes (SP_VISEME_0..21) for the engine's allophones, from the
// sound each allophone makes (the same table that gives the Speech API 4
// mouth shapes).
#pragma once

#include <cstdint>

// 0 (silence) for pauses, tags and ids beyond the inventory.
uint32_t VisemeForAllophone(uint32_t allophone);
