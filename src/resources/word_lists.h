// Fixed word lists of the text normaliser, Windows-1250.
#pragma once

#include <string>
#include <vector>

// Unstressed one-syllable words that lean on the next word's stress group.
const std::vector<std::string>& ShortWordList();

// Capitalised words the abbreviation rule must not spell out.
const std::vector<std::string>& NoSpellWordList();

// Capitalised abbreviations that Polish speakers say as words (ZUS, NATO,
// PESEL) rather than letter by letter; used by the extended reading.
const std::vector<std::string>& ReadAsWordAcronymList();
