// The emoticon reader: ":-)", ";)", "[:|" and the rest of the table, each
// read as its Polish name when followed by a sentence end, a control
// character or a blank.
#pragma once

#include <cstdint>

class SWordSink;

// Reads an emoticon starting at `position`; true when it appended the name
// (source text = the emoticon) and moved the position past it.
bool ReadEmoticon(const char* text, uint32_t& position, SWordSink& sink);
