// Numbers read as a Polish speaker reads them, beyond the plain cardinal:
// a unit or currency after the number agrees with it ("dwa złote", "dwie
// tony"), a day before a month name and a year before "r."/"roku" are
// genitive ordinals, a numeric date names its day in the genitive, a dotted
// time after "godz." is a time, and a hyphen between digits is a dash, not
// "minus"; "+5" is "plus pięć" and an en dash before digits "minus"; blanks
// between groups of three digits are thousands separators. Used only when
// the extended reading is switched on.
#pragma once

#include <cstdint>

class SAttribute;
class SWordSink;

// '-', '+' and the en dash: the characters that may stand before a number's
// digits as its sign (or, between digits, as a dash).
bool IsExtendedNumberSign(char c);

// The cursor stands on a digit or a sign. True when it read the number (and
// what belongs to it) and appended the words; the position is then after
// the last character consumed. False leaves the number to the plain reader.
bool ReadExtendedNumber(const char* text, uint32_t& position, const SAttribute& switches,
                        SWordSink& sink);
