// Rendering: the timed allophones of a word become signed 16-bit PCM, each
// sample the pattern's spline read at the position timing prepared, then
// scaled by the volume.
#pragma once

#include <cstdint>

#include "core/containers.h"
#include "synthesis/voices.h"

class SAlofon;
class SWord;

// Fills `samples` with the allophone's sample count of samples: silence for
// pauses and for ids without a pattern, else the spline at each position.
void RenderAllophone(const SAlofon& alofon, SFastArray<int16_t>& samples, const SVoicePair& voices);

// Renders every allophone of the word with an id up to 112 straight into
// `destination` (little-endian int16); tag carriers produce nothing. The
// destination must hold the word's byte count. Returns the bytes written.
int RenderWord(const SWord& word, char* destination, const SVoicePair& voices);

// Scales `byteCount / 2` samples in place by the volume's low 16 bits:
// 60000 and above leave them unchanged, below that the gain falls in steps
// to -30 dB at 0. Rounds toward minus infinity.
void ApplyVolume(int16_t* samples, int byteCount, uint32_t volume);

// The 16.16 gain ApplyVolume uses; 65536 means unchanged.
int32_t VolumeGain(uint32_t volume);
