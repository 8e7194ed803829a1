// Whole-file conveniences over the format family, for tools and for code that
// reads sounds named by the user: open by path, detect, read or write, and
// save atomically (a failed write leaves the previous file in place).
#pragma once

#include <string>

#include "model/pattern_store.h"
#include "model/pcm_format.h"
#include "model/wave.h"

// Reads sound 0 of a wave or ".snd" file (any detected format) into the wave
// as signed 16-bit samples. Raises SExitException: -2 when the file cannot be
// opened, -1 when it is of no known format or damaged.
void ReadSoundFile(const std::string& path, SWave& wave);

// Writes the wave as a file of the given format: {1, ...} a wave file, {5, ...}
// a ".snd" file. Raises SExitException on an unsupported format or a failed
// write; the target is then left as it was.
void WriteSoundFile(const std::string& path, const SWave& wave, const SSndFormat& format);

enum class SVoiceLayout { kAlof, kSals, kSalu };

// Writes the store as a voice database of the layout, atomically.
void WriteVoiceFile(const std::string& path, const SAlfPattArr& store, SVoiceLayout layout);
