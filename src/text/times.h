// The time reader: h:mm or h:mm:ss, optionally followed by am/pm, read as a
// formal ("siódma zero pięć") or colloquial ("pięć minut po siódmej") Polish
// clock reading on a 24- or 12-hour clock.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "text/governing_prepositions.h"

class SAttribute;

class SWordSink;

struct STime {
    int hour = 0;
    int minutes = 0;
    int seconds = 0;

    bool IsValid() const;
    // Words of the reading, each followed by a blank (Windows-1250).
    std::string ToWords(const SAttribute& switches) const;
    // The reading after a preposition that governs the hour's case ("o
    // godzinie piętnastej trzydzieści", "przed ósmą"): the hour in that
    // case, minutes and seconds as they are. A colloquial reading with
    // minutes keeps its own phrasing.
    std::string ToWordsIn(SGrammaticalCase hourCase, const SAttribute& switches) const;
};

// The ordinal words of a clock hour (0..23) in a case: "ósma", "ósmej",
// "ósmą", "dwudziestej pierwszej"; each followed by a blank.
std::string HourWordsIn(int hour, SGrammaticalCase hourCase, bool hours24);

// Recognises h:mm[:ss] at `position`: the time and the characters it spans.
std::optional<std::pair<STime, uint32_t>> ScanTime(const char* text, uint32_t position);

// Appends the time's words (closes 0, source = token), then reads a following
// am/pm mark; moves past everything consumed.
bool ReadTime(const char* text, uint32_t& position, const std::string& token,
              const SAttribute& switches, SWordSink& sink);
