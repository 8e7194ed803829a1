// Letter-to-allophone rules: turns one word's Windows-1250 text into its
// allophone list, letter by letter with at most two bytes of look-ahead.
// Neighbouring words are not consulted; the sentence rules do that later.
#pragma once

#include <string>

class SWord;

// Lower-cases the word's text in place (tag sequences excepted), appends its
// allophones, and sets the word's control, phonetic and hidden flags.
void Transcribe(SWord& word);

// Lower-cases text in place byte by byte, skipping tag sequences: a byte 3
// skips itself and the next byte; 3 followed by 20 also skips the count byte
// and that many id bytes.
void LowerCaseSkippingTags(std::string& text);

// The C-style decimal value at the start of text (leading blanks, optional
// sign, digits; anything after is ignored; no digits is 0). Saturates
// instead of overflowing.
long ReadDecimal(const char* text);
