// Fixed word lists of the text normaliser, Windows-1250.
#pragma once

#include <string>
#include <vector>

// Unstressed one-syllable words that lean on the next word's stress group.
const std::vector<std::string>& ShortWordList();

// Capitalised words the abbreviation rule must not spell out.
const std::vector<std::string>& NoSpellWordList();
