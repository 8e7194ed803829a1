// MINIMAL PLACEHOLDER until the chunk generator lands: only the call the
// engine makes. The owner replaces this file.
#pragma once

#include "engine/bookmark.h"

class SSentence;
class SWave;

// Returns the bytes now waiting in `wave`: the unsent rest when it still holds
// some (and countOnly is false), else the size of the next run of words it
// synthesised (marks in `marks`), or 0 when the sentence has no more words.
// (Placeholder: always 0, no sound.)
int NextChunk(SSentence& sentence, SWave& wave, SBookmarkBff& marks, bool countOnly);
