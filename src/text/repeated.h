// The repeated-character reader: a run of four or more of one character, or
// of one character pair, read as a count and the names ("osiem razy zero",
// "cztery razy sekwencja minus plus").
#pragma once

#include <cstdint>
#include <optional>
#include <string>

class SSpell;
class SWordSink;

struct SRepeatedRun {
    unsigned char first = 0;
    unsigned char second = 0;  // the pair's second character; 0 for a single run
    int64_t count = 0;         // repetitions of the character or the pair
    bool pair = false;

    // Characters the run covers in the text.
    int64_t Length() const { return pair ? 2 * count : count; }
};

// Finds a run starting at `position`. Runs of digits need eight; pairs of two
// digits never count; blanks count only when separators are read aloud.
std::optional<SRepeatedRun> FindRepeatedRun(const char* text, uint32_t position,
                                            bool readSeparators);

// Appends the run's words between two punctuation-pause markers.
void AppendRepeatedRun(const SRepeatedRun& run, const SSpell& spell, SWordSink& sink);
