// Mouth shapes for the visual notifications: for every allophone id
// 0..111, the IPA character it sounds like and a mouth shape (bytes in the
// order of TTSMOUTH). Ids beyond the table report the rest mouth.
#pragma once

#include "sapi/sapi4_types.h"

struct SVisualEntry {
    WCHAR ipa;
    TTSMOUTH mouth;
};

inline constexpr int kVisualTableSize = 112;

// The rest mouth used at audio start and stop.
inline constexpr TTSMOUTH kRestMouth{0, 0, 180, 0, 0, 0, 0, 0};

// The entry for an allophone id; out of range: '_' with the rest mouth.
SVisualEntry VisualForAllophone(DWORD id);
