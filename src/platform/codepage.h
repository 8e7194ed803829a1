// Conversions between Windows-1250 (the engine's text), UTF-16 (the Speech
// API) and UTF-8 (the command line). A character that Windows-1250 lacks
// becomes '?'; malformed UTF-8 decodes to U+FFFD (and so to '?').
#pragma once

#include <string>
#include <string_view>

char16_t Cp1250ToUnicode(unsigned char byte);
char UnicodeToCp1250(char32_t c);
// As UnicodeToCp1250, but the typographic characters of numbers that
// Windows-1250 lacks become their nearest byte instead of '?': the minus
// sign U+2212 a hyphen, the narrow no-break space U+202F and the figure
// space U+2007 a no-break space, the thin space U+2009 a blank, the
// superscript two and three their digits. Used when the extended reading is
// on, so that "−5", "25 000" and "50 m²" stay numbers and units.
char UnicodeToCp1250BestFit(char32_t c);

std::u16string Cp1250ToUtf16(std::string_view text);
std::string Utf16ToCp1250(std::u16string_view text);
std::string Utf16ToCp1250BestFit(std::u16string_view text);
std::string Cp1250ToUtf8(std::string_view text);
std::string Utf8ToCp1250(std::string_view text);
std::string Utf8ToCp1250BestFit(std::string_view text);
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

// Linux log lines: Windows-1250 text that may carry UTF-8 pieces (file names)
// becomes UTF-8. Valid UTF-8 sequences are kept; every other byte is read as
// Windows-1250.
std::string MixedTextToUtf8(std::string_view text);

// Appends the UTF-8 bytes of one character (no check that it is a valid one).
void AppendUtf8(std::string& out, char32_t c);
