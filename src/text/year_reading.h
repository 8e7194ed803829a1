// A year with its noun after it ("1410 r.", "1989 roku", "2020 rokiem")
// read as an ordinal in the case the sentence gives it: the locative after
// "w", "o", "po", "przy" ("w tysiąc czterysta dziesiątym roku"), the
// genitive after "od", "do", "z" or a noun ("wybory tysiąc dziewięćset
// osiemdziesiątego dziewiątego roku"), the instrumental after "przed", the
// accusative after "na", "za", "przez", and the nominative when the year
// opens the sentence ("tysiąc dziewięćset osiemnasty rok przyniósł").
#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct SYearReading {
    std::string words;  // blank-separated, Windows-1250
    uint32_t end;       // after the noun when it was read here, else after the number
};

// `start` is the year's first digit, `numberEnd` just after its digits. Nothing
// when no form of "rok" follows.
std::optional<SYearReading> ReadYearNoun(const char* text, uint32_t start, int year,
                                         uint32_t numberEnd);

// After a full date: the end of a " r." or " roku" that the date's own
// words already say, or nothing.
std::optional<uint32_t> DateYearNounEnd(const char* text, uint32_t position);
