// Whether a word is a form of a verb that takes its object in the
// accusative: an amount after it is read in that case ("zjadł 1/3 tortu" is
// "zjadł jedną trzecią tortu").
#pragma once

#include <string>

// `word` lower-cased, Windows-1250: a listed stem with one of the listed
// endings after it.
bool GovernsAccusative(const std::string& word);
