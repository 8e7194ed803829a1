// The time reader: h:mm or h:mm:ss, optionally followed by am/pm, read as a
// formal ("siódma zero pięć") or colloquial ("pięć minut po siódmej") Polish
// clock reading on a 24- or 12-hour clock.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

class SAttribute;

class SWordSink;

struct STime {
    int hour = 0;
    int minutes = 0;
    int seconds = 0;

    bool IsValid() const;
    // Words of the reading, each followed by a blank (Windows-1250).
    std::string ToWords(const SAttribute& switches) const;
};

// Recognises h:mm[:ss] at `position`: the time and the characters it spans.
std::optional<std::pair<STime, uint32_t>> ScanTime(const char* text, uint32_t position);

// Appends the time's words (closes 0, source = token), then reads a following
// am/pm mark; moves past everything consumed.
bool ReadTime(const char* text, uint32_t& position, const std::string& token,
              const SAttribute& switches, SWordSink& sink);
