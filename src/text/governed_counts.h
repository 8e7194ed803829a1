// A whole number after a preposition that governs its case: "około 50%"
// is "około pięćdziesięciu procent", "z 3 osobami" "z trzema osobami", "do
// 3 tys. zł" "do trzech tysięcy złotych". The gender comes from the noun
// after the number, or a range's far end ("od 1 do 10 stron"). Used by the
// extended reading.
#pragma once

#include <cstdint>
#include <optional>

#include "text/number_text.h"

// `position` is where the number's word begins; nothing where the case or
// the noun after it is not in the tables.
std::optional<SNumberReading> ReadGovernedCount(const char* text, uint32_t position,
                                                const SNumberText& number);
