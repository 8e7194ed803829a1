// Small readers of the words around a number or an abbreviation in the
// request text (Windows-1250, NUL-terminated): the word before a position,
// the word at it, and whether an abbreviation's period belongs to it. The
// look-behind is bounded, so a reader never walks a long text backwards.
#pragma once

#include <cstdint>
#include <string>

// Lower-cased copy of text[from, to).
std::string LoweredSpan(const char* text, uint32_t from, uint32_t to);

// The word just before `position` (letters, with a period after them),
// lower-cased; empty when there is none.
std::string PreviousWord(const char* text, uint32_t position);

// The word before the one that ends at `position`, as PreviousWord gives it.
std::string WordBeforePrevious(const char* text, uint32_t position);

// The run of letters at `position`, lower-cased; `end` is set after it.
std::string LetterWordAt(const char* text, uint32_t position, uint32_t& end);

// The run of letters at `position` as written (case kept); `end` is set after it.
std::string WrittenWordAt(const char* text, uint32_t position, uint32_t& end);

// An abbreviation's period is part of it while the sentence goes on after it
// in lower case or after a comma; otherwise it is left to end the sentence.
uint32_t AfterAbbreviationPeriod(const char* text, uint32_t end);

// True when nothing but blanks stands between the start of the sentence and
// `position`: the text's start, or a sentence end that is no abbreviation's
// period ("ok.") before it.
bool StartsSentence(const char* text, uint32_t position);
