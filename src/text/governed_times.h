// Clock times read in the case the sentence gives the hour: after "godz."
// ("godz. 12.30", "o godz. 15:30", "przed godz. 8") and right after a
// preposition that governs the hour ("o 7:05" is "o siódmej zero pięć",
// "od 9:00" "od dziewiątej zero zero"). Used by the extended reading.
#pragma once

#include <cstdint>
#include <optional>

#include "text/number_text.h"

class SAttribute;

// The cursor stands on the hour's first digit.
std::optional<SNumberReading> ReadGovernedTime(const char* text, uint32_t position,
                                               const SAttribute& switches);
