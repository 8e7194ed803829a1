// A plain decimal number as the extended reading finds it in real text:
// its digits, with blanks or no-break spaces between groups of three
// ("25 000") taken as thousands separators unless the number is dialled
// (a telephone or an account number), and what a rule made of it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

class SAttribute;

// What a rule read: its words (blank-separated, Windows-1250) and where the
// text it consumed ends.
struct SNumberReading {
    std::string words;
    uint32_t end;
};

// A plain decimal number at the cursor.
struct SNumberText {
    std::string integer;
    std::string fraction;
    int64_t value = 0;
    int32_t fractionValue = 0;
    uint32_t end = 0;
    bool spacedGroups = false;  // "25 000": the plain reader would split it
};

// The number at `position` (a digit), with at most 9 integer and 6 fraction
// digits; nothing for longer numbers, a lone zero, digits with a leading
// zero ("007") or a period between digits ("12.30"): the plain reader
// keeps those.
std::optional<SNumberText> ScanPlainNumber(const char* text, uint32_t position,
                                           const SAttribute& switches);
