// Opening hours written as bare numbers: "od 8-16" and "czynne od 8 do 16"
// are "od ósmej do szesnastej". Only a range that starts after "od" and
// looks like a working day (or follows words such as "czynne", "otwarte")
// is taken; "od 1-10" and "od 5 do 6 lat" stay counts. After a word for
// hours ("w godz. 10–18", "w godzinach 9.00-17.00") a dash between two
// hours is always such a range, and the missing "od" is said.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

class SAttribute;

struct SHourRange {
    std::string words;  // Windows-1250, blank-separated
    uint32_t end;       // after the second hour
};

// `first` is the whole number whose digits run from `start` to `numberEnd`.
std::optional<SHourRange> ReadHourRange(const char* text, uint32_t start, int64_t first,
                                        uint32_t numberEnd, bool hours24);

// The cursor stands on the first hour's digits, right after "godz.",
// "godziny" or "godzinach". Full hours ("10–18") and clock times ("10:00 -
// 18:00", "8.30-16.30") on both sides of a hyphen or an en dash.
std::optional<SHourRange> ReadHourRangeAfterHourWord(const char* text, uint32_t start,
                                                     const SAttribute& switches);

// True when `text`, after blanks, begins with two hours joined by a dash.
bool StartsWithHourRange(const char* text);
