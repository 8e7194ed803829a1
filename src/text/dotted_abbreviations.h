// Reads an abbreviation written with inner periods ("m.in.", "p.n.e.") at
// the start of a word as its expansion. Part of the extended reading.
#pragma once

#include <cstdint>

class SWordSink;

// `position` is on the word's first character. True when it read one; the
// position is then after it. Its final period is left to end the sentence
// when the text ends there or a capital follows.
bool ReadDottedAbbreviation(const char* text, uint32_t& position, SWordSink& sink);
