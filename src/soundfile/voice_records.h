// Pieces shared by the voice database layouts: the versions each layout
// carries, the guards that keep a damaged file from building a pattern the
// synthesis cannot address, and the rendering of a pattern back to samples.
#pragma once

#include <cstdint>
#include <vector>

#include "model/pattern_store.h"
#include "model/pcm_format.h"
#include "soundfile/binary_file.h"

inline const SVersion kAlofVersion(1, 1, 2, 3, "22/09/95");
inline const SVersion kSplAlsVersion(1, 6, 2, 2, "Feb 2001");  // also "SWAV"
inline const SVersion kAluVersion(1, 6, 1, 8, "May 2000");

// Read positions are 16.16 numbers of samples, so no pattern may be longer.
constexpr int64_t kMaxPatternSamples = 32767;

// Raises "za długi alofon" when a pattern of this many samples could not be
// read by the synthesis.
void CheckPatternLength(int64_t samples);
// Raises when segment records do not follow on from one another starting at
// sample 0, or reach beyond kMaxPatternSamples. Returns the end sample.
int32_t CheckSegments(const SSplineSegments& segments);

// Reads a uint32 count and that many 20-byte segment records at the file's
// position into out; raises "błąd odczytu" (before allocating) when the file
// does not hold them.
void ReadSegmentRecords(SBinaryFile& file, SSplineSegments& out);
// Writes the count and the records.
void WriteSegmentRecords(SBinaryFile& file, const SSplineSegment* segments, int count);

// The pattern's curve at every integer position from first to end.
std::vector<int16_t> RenderPattern(const SAlofonPatt& pattern);

// True for the ids the database writers save: 1 .. the inventory's last id,
// with a pattern and a non-empty inventory name.
bool IsSavedId(const SAlfPattArr& store, int id);
