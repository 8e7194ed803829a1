// The report committed beside the voice: where the recordings came from,
// each allophone's duration and level, and how it was cut.
#pragma once

#include <string>

#include "recording_set.h"

namespace voicebuild {

struct ReportFile {
    std::string name;  // e.g. "pln_22.als"
    long long bytes = 0;
};

// Markdown text of the report; `source` is one paragraph on the source.
std::string VoiceReport(const RecordingSet& normal, const std::string& source,
                        const ReportFile files[2]);

// One line per group (plain, stressed and final vowels, consonants):
// count and minimum / mean / maximum duration in milliseconds.
std::string DurationSummary(const RecordingSet& set);

// A Markdown table: per level class, count and lowest / median / highest
// active level and their spread.
std::string LevelSummary(const RecordingSet& set);

}  // namespace voicebuild
