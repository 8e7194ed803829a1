// The number reader: a signed decimal number with optional thousands
// grouping and a decimal fraction, read into Polish words. Dates and times
// are offered to their readers first. Positions index a NUL-terminated
// Windows-1250 text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class SAttribute;

class SWordSink;

// Reads digits from `position`, dropping thousands separators when
// allowGrouping is set: the first group may have any length, every later one
// exactly three digits; an incomplete trailing group is not part of the
// number (the position returns to its separator). At most maxDigits digits
// are taken. Returns the digits; the position is left after the last
// accepted digit.
std::string ReadDigitGroups(const char* text, uint32_t& position, char thousandsSeparator,
                            bool allowGrouping, size_t maxDigits = SIZE_MAX);

// Reads the number (or date, or time) whose first character, a digit or '-',
// is at `position`. Returns true when it consumed text and appended words;
// the position is then after the last character consumed. Returns false with
// the position unchanged when nothing was read (a '-' without a digit after
// it). The caller appends the short pause that follows a number.
bool ReadNumber(const char* text, uint32_t& position, const SAttribute& switches, SWordSink& sink);

// Splits blank-separated words and appends each with AppendWord.
void AppendWordsOf(const std::string& words, const std::string& sourceText, int closes,
                   SWordSink& sink);
