// Character classes and case conversion of the engine's Windows-1250 text.
// Only a-z, A-Z and the nine Polish letter pairs count as letters; every
// other byte (Latin-1 accented letters included) is a non-letter.
#pragma once

#include <string>

// Marker bytes: a word whose text starts with one of these is not read as
// letters. Transcription turns them into control words or pauses.
enum STextMarker : unsigned char {
    kMarkerTag = 3,  // control word: 3, tag code, argument
    kMarkerSentencePause = 4,
    kMarkerPunctuationPause = 5,  // also brackets every spelled run
    kMarkerShortPause = 6,        // after every number, date or time
    kMarkerShortestPause = 7,     // after each digit of a long digit run
    kMarkerTimedPause = 8,
};

inline bool IsLowerLetter(unsigned char c) {
    switch (c) {
        case 0xB9:
        case 0xE6:
        case 0xEA:
        case 0xB3:
        case 0xF1:
        case 0xF3:
        case 0x9C:
        case 0x9F:
        case 0xBF:
            return true;
        default:
            return c >= 'a' && c <= 'z';
    }
}

inline bool IsUpperLetter(unsigned char c) {
    switch (c) {
        case 0xA5:
        case 0xC6:
        case 0xCA:
        case 0xA3:
        case 0xD1:
        case 0xD3:
        case 0x8C:
        case 0x8F:
        case 0xAF:
            return true;
        default:
            return c >= 'A' && c <= 'Z';
    }
}

inline bool IsLetter(unsigned char c) {
    return IsLowerLetter(c) || IsUpperLetter(c);
}
inline bool IsDigitChar(unsigned char c) {
    return c >= '0' && c <= '9';
}
inline bool IsWordChar(unsigned char c) {
    return IsLetter(c) || IsDigitChar(c) || c == '_';
}
inline bool IsControlChar(unsigned char c) {
    return c >= 1 && c <= 31;
}

// TAB, LF, CR, blank and the no-break space.
inline bool IsSpaceChar(unsigned char c) {
    return c == 9 || c == 10 || c == 13 || c == ' ' || c == 160;
}

// NUL, LF, '!', '.', '?'.
inline bool IsSentenceEnd(unsigned char c) {
    return c == 0 || c == 10 || c == '!' || c == '.' || c == '?';
}

inline bool IsBreakChar(unsigned char c) {
    return IsSentenceEnd(c) || IsSpaceChar(c) || c == ',' || c == '-' || c == ':' || c == ';';
}

// Maps the Polish pairs and A-Z; every other byte is returned unchanged.
unsigned char ToLowerChar(unsigned char c);
unsigned char ToUpperChar(unsigned char c);

// Whole-string forms of the above.
std::string ToLowerText(std::string text);
std::string ToUpperText(std::string text);
