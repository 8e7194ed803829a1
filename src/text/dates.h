// The date reader: day, month and year in the system's order, the
// "5 May 2002" shape, or numeric dates with the year first or last, read as
// a Polish ordinal day, genitive month, genitive ordinal year and "roku".
#pragma once

#include <cstdint>
#include <optional>
#include <string>

class SAttribute;

class SWordSink;

struct SDate {
    int day = 0;
    int month = 0;
    int year = 0;

    // Widens a two-digit year: 50..99 -> 1950..1999, 0..49 -> 2000..2049.
    static SDate Make(int day, int month, int year);
    // Year 0..2999, month 1..12, day within the month (February allows 29).
    bool IsValid() const;
    // "dwunasty maja dwa tysiące drugiego roku " (Windows-1250); with
    // genitiveDay "dwunastego maja ...", as a date is said in a sentence.
    std::string ToWords(bool genitiveDay = false) const;
};

// Genitive ordinal of a day 1..39 ("pierwszego ", "dwudziestego pierwszego ").
std::string GenitiveDayWords(int day);
// Genitive ordinal of a year ("tysiąc siedemset dziewieńdziesiątego pierwszego ").
std::string YearOrdinalWords(int year);
// The genitive month name that starts `word` exactly, 1..12, or 0.
int MonthOfGenitiveName(const std::string& word);

// Recognises a date at `position` (on its first digit) without consuming it:
// the date and the number of characters it spans, or nothing. With the
// extended reading, missing regional values take the Polish ones
// (dd.MM.yyyy) and a separator after the year that no digit follows is left
// to end the sentence.
std::optional<std::pair<SDate, uint32_t>> ScanDate(const char* text, uint32_t position,
                                                   const SAttribute& switches);

// Appends the date's words (closes 1, source = token) and moves past it.
bool ReadDate(const char* text, uint32_t& position, const std::string& token,
              const SAttribute& switches, SWordSink& sink);
