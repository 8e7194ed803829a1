// The folder form of a voice: one 16-bit mono wave file per allophone, named
// by its inventory name ("a.wav", "aa.wav", "bi.wav", ...). The synthetic
// source writes it for listening; a voice maker records into it.
#pragma once

#include <string>
#include <vector>

#include "recording_set.h"

namespace voicebuild {

// Beside the wave files: one line per recording, name, a tab, how it was
// made. Optional when reading; a recording without a line is "recorded".
constexpr const char* kNotesFile = "notes.tsv";

// Writes <dir>/<name>.wav for every recording (each file written to a
// temporary name, then renamed). Creates dir if needed.
void WriteWaveFolder(const std::string& dir, const RecordingSet& set);

// The longest recording taken: an allophone lasts a fraction of a second, and
// the engine reads every pattern in one pass per output sample.
constexpr int kMaxRecordingMs = 1000;
// A recording whose loudest sample stays below this is taken for silence.
constexpr double kSilentPeakDb = -50.0;

struct FolderReading {
    RecordingSet set;                   // the recordings that could be used
    std::vector<std::string> problems;  // one line per missing, unreadable or unfit file
};

// Reads <dir>/<name>.wav for every name through the sound-file layer (8-bit
// PCM comes in as 16-bit samples). A missing or damaged file, one that is not
// mono PCM, one whose rate differs from rate, one longer than kMaxRecordingMs
// and a silent one are reported in problems and left out of the set.
FolderReading ReadWaveFolder(const std::string& dir, const std::vector<std::string>& names,
                             int rate);

}  // namespace voicebuild
