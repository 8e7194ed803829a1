// What `vokrant-voice info` prints about a sound or voice file.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

class SContextSounds;
struct SContextSound;

// Prints the layout, version, format, rate and one line per pattern (id,
// name, features, samples, segments) of the file at path, then its context
// recordings (label, keys, samples) or why they were refused. Raises
// SExitException when the file cannot be read.
void PrintFileInfo(const std::string& path, std::FILE* out);

// How a context key reads: "any", "silence", an allophone's name, "any vowel".
std::string ContextKeyName(uint16_t key);
// The label `info` gives the index-th context recording: its allophone's
// name, ':' and its place among that allophone's recordings, from 1 ("a:2").
std::string ContextSoundLabel(const SContextSounds& sounds, int index);
// The recording with that label, or null.
const SContextSound* FindContextSound(const SContextSounds& sounds, const std::string& label);
