// What the module says for a KEY or CHAR message: key names in Polish, a
// single character spelled, modifiers joined ("shift_a": "shift a").
#pragma once

#include <string>
#include <string_view>

// Tagged text for a key name as speech-dispatcher sends it.
std::string KeyText(std::string_view key);

// Tagged text for one character (or "space"); `sayCapital` adds "duże"
// before an upper-case letter.
std::string CharacterText(std::string_view character, bool sayCapital);
