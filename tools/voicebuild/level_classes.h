// Loudness by class: allophones of one class (stressed vowels, plain
// vowels, nasals and liquids, fricatives, stops, ...) are brought to the
// class's median level, so that no single sound jumps out of its neighbours
// while the differences between classes (a vowel louder than an "f", a
// stressed vowel louder than a plain one) stay.
#pragma once

#include <string>
#include <vector>

#include "recording_set.h"

namespace voicebuild {

// The class an inventory name belongs to, e.g. "stressed vowels".
std::string LevelClassOf(const std::string& name);

// Level of the sounding part: RMS over the 5 ms frames within 30 dB of the
// loudest one, so a stop's closure does not count; dB of full scale.
double ActiveLevelDb(const std::vector<int16_t>& samples, int rate);

struct ClassSpread {
    std::string label;
    int count = 0;
    double lowest_db = 0, median_db = 0, highest_db = 0;  // active levels
};

// Per class, in a fixed order: the spread of the active levels.
std::vector<ClassSpread> LevelSpreads(const RecordingSet& set);

// Scales every recording to its class's median active level (a class of one
// is left alone); peaks that would clip are held just below full scale.
void MatchClassLevels(RecordingSet& set);

}  // namespace voicebuild
