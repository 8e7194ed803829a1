// What the module says for a KEY or CHAR message: key names in Polish, a
// single character by its name in the spell mode and nothing else, modifiers
// joined ("shift_a": "shift a").
#pragma once

#include <string>
#include <string_view>

// Tagged text for a key name as speech-dispatcher sends it.
std::string KeyText(std::string_view key);

// Tagged text for one character (or "space"); `sayCapital` says "duże"
// before an upper-case letter, as Polish voices announce a capital.
std::string CharacterText(std::string_view character, bool sayCapital);
