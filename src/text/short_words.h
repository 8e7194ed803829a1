// Unstressed one-syllable words that lean on the following word's stress
// group (Windows-1250, lower-case, exact byte comparison).
#pragma once

#include <string>

bool IsShortWord(const std::string& text);
