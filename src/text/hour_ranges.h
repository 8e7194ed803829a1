// Opening hours written as bare numbers: "od 8-16" and "czynne od 8 do 16"
// are "od ósmej do szesnastej". Only a range that starts after "od" and
// looks like a working day (or follows words such as "czynne", "otwarte")
// is taken; "od 1-10" and "od 5 do 6 lat" stay counts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct SHourRange {
    std::string words;  // Windows-1250, blank-separated
    uint32_t end;       // after the second hour
};

// `first` is the whole number whose digits run from `start` to `numberEnd`.
std::optional<SHourRange> ReadHourRange(const char* text, uint32_t start, int64_t first,
                                        uint32_t numberEnd, bool hours24);
