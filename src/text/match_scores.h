// A match score written with a colon: "2:1" is "dwa do jednego", "3:0"
// "trzy do zera". A colon before a single digit is no clock time, and two
// digits after it are a score when the sentence speaks of a match ("wygrała
// 3:0", "wynikiem 2:1", "remis 1:1") or of a ratio ("w skali 1:10"); never
// after a preposition, where it is a time ("o 7:05"). Used by the extended
// reading.
#pragma once

#include <cstdint>
#include <optional>

#include "text/number_text.h"

// The cursor stands on the first digit.
std::optional<SNumberReading> ReadMatchScore(const char* text, uint32_t position);
