// The chunk generator: turns the timed words of a sentence into PCM in the
// output wave, one run of whole words at a time (at most 65536 bytes unless
// a single word is longer), with the marks that travel with it: starts of
// spoken words (not of hidden blanks or continuation words),
// allophone starts and the marks of pitch, speed, volume and bookmark tags,
// each at its exact byte position in the wave.
#pragma once

#include <cstdint>

#include "core/bookmark.h"
#include "synthesis/voices.h"

class SAttribute;
class SSentence;
class STagActions;
class SWave;
class SWord;

// Largest chunk made of several words, in bytes.
constexpr int64_t kMaxChunkBytes = 65536;

// What the generator works with besides the sentence. Settings are changed
// for good by the tags it reaches; a sound-file tag and the dialog tag act
// through `actions`, which the engine hands in (none: they do nothing).
struct SChunkContext {
    SAttribute* settings = nullptr;
    SVoicePair voices;
    STagActions* actions = nullptr;
};

// Returns the bytes now waiting in `wave`: the unsent rest when it still holds
// some (and countOnly is false), else the size of the next run it synthesised
// (marks in `marks`), or 0 when the sentence has no more sound; the tag marks
// of a last run without sound are then in `marks`, at byte 0. With
// countOnly it only measures and skips the next run, touching neither the
// wave nor the marks.
int NextChunk(SSentence& sentence, SWave& wave, SBookmarkBff& marks, bool countOnly,
              const SChunkContext& context);

// The bytes RenderWord writes for a word.
int64_t WordByteCount(const SWord& word);
