// From a set of recordings to the two voice databases: the normal voice at
// the recordings' rate and the half-rate voice, both with every named
// allophone of the inventory.
#pragma once

#include <string>
#include <vector>

#include "recording_set.h"

class SAlfPattArr;

namespace voicebuild {

constexpr int kNormalRate = 22050;
constexpr int kHalfRate = 11025;

// The ids the voice records: 1..97, every one with an inventory name. The
// pauses, 87/88 and "null" are made by the engine when it loads a voice.
std::vector<int> RecordedIds();
// The distinct names of RecordedIds, in id order: the files a recorded
// source must provide.
std::vector<std::string> RecordedNames();

// Names that no recording in the set carries.
std::vector<std::string> MissingNames(const RecordingSet& set);

// Fades every recording's edges, matches levels within each class and
// normalises the set's peak, so that any source concatenates without clicks
// and at even loudness.
void ConditionRecordings(RecordingSet& set);

// The same recordings at `rate`, through libsoxr's high-quality
// anti-aliasing filter; edges are faded again after the filter.
RecordingSet Resample(const RecordingSet& set, int rate);
// The samples at rate `to` instead of `from`, through the same filter,
// without dither (so the result is reproducible) and without fades.
std::vector<int16_t> ResampleSamples(const std::vector<int16_t>& samples, int from, int to);

// Fills `store` with one pattern per recorded id, from the recording of the
// id's name. Every name must be present (see MissingNames).
void BuildStore(const RecordingSet& set, SAlfPattArr& store);

}  // namespace voicebuild
