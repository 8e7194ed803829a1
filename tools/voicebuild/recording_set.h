// A set of allophone recordings, one per inventory name, all at one rate: the
// meeting point of the two sources (espeak-ng carriers, a folder of
// recordings) and the database writer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace voicebuild {

struct AllophoneRecording {
    std::string name;              // inventory name
    std::vector<int16_t> samples;  // mono 16-bit PCM
    std::string how;               // how it was made (carrier, cut), for the report

    bool operator==(const AllophoneRecording&) const = default;
};

struct RecordingSet {
    int rate = 0;        // samples per second
    std::string source;  // one paragraph: where the recordings come from
    std::vector<AllophoneRecording> recordings;

    const AllophoneRecording* Find(const std::string& name) const;
};

struct Level {
    double ms = 0.0;       // duration
    double rms_db = -120;  // dB relative to full scale
    double peak_db = -120;
};

Level MeasureLevel(const std::vector<int16_t>& samples, int rate);

// One gain for the whole set, so that its loudest sample peaks at peak_db:
// the balance between allophones (a vowel louder than an "f") is kept.
// Returns the gain applied.
double NormaliseSetPeak(RecordingSet& set, double peak_db);

}  // namespace voicebuild
