// Numbers that are part of a date: a numeric date ("12.03.2024", its day
// in the genitive), a day before a month's name ("3 maja") and a year
// before "r."/"roku" in the case the sentence gives it ("w 1989 roku").
// Used by the extended reading.
#pragma once

#include <cstdint>
#include <optional>

#include "text/number_text.h"

class SAttribute;

// The cursor stands on a digit: a whole numeric date, with a " r." or
// " roku" after it, which the reading already says.
std::optional<SNumberReading> ReadNumericDate(const char* text, uint32_t position,
                                              const SAttribute& switches);

// "3 maja": the day as a genitive ordinal.
std::optional<SNumberReading> ReadDayBeforeMonth(const char* text, const SNumberText& number);

// "w latach 90.", "lata 80-te": a decade after "lata" in that word's case,
// as a plural ordinal ("dziewięćdziesiątych", "osiemdziesiąte"); `position`
// is where the number's word begins.
std::optional<SNumberReading> ReadDecade(const char* text, uint32_t position,
                                         const SNumberText& number);

// "1791 r.", "w 1989 roku", "przed 2000 rokiem": the year as an ordinal in
// the case its noun shows or the sentence gives it; `position` is where the
// number's word begins.
std::optional<SNumberReading> ReadYearBeforeYearWord(const char* text, uint32_t position,
                                                     const SNumberText& number);
