// The Internet address reader: "http://www.abc.com/x" is read "hatete pe
// dwukropek slesz slesz wuwu wu kropka abc kropka kom"; e-mail addresses,
// host names with a known domain and dotted IP addresses likewise. Labels
// that cannot be pronounced are spelled letter by letter.
#pragma once

#include <cstdint>
#include <string>

class SSpell;
class SWordSink;

// Longer than two characters, no digit, no run of four consonants (every
// letter but a, e, i, o, u counts as one, Polish letters and y included).
bool IsPronounceable(const std::string& unit);

// Reads an address token starting at `position`. True when it appended the
// words and a punctuation-pause marker and moved the position past what it
// consumed; false (nothing appended, position unchanged) otherwise.
bool ReadAddress(const char* text, uint32_t& position, const SSpell& spell, SWordSink& sink);
