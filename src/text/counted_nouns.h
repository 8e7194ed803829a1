// The numeral before a counted noun, agreeing with it where no preposition
// governs the number: "2 koleżanki" is "dwie", "mam 1 brata" "jednego",
// "3 braci" "trzech", "2 bracia" "dwaj", "3 dzieci" "troje", "mam 1
// siostrę" "jedną". A noun the tables do not know keeps the plain reading,
// except the feminine plural endings no other gender has ("2 stacje").
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// `value` is a whole number whose digits end at `numberEnd`; the noun, if
// any, follows after one blank. The numeral's words (Windows-1250,
// blank-separated), or nothing when the plain reading holds.
std::optional<std::string> NumeralBeforeNoun(const char* text, int64_t value, uint32_t numberEnd);
