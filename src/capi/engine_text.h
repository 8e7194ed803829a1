// The caller's text made into the engine's: Windows-1250 bytes, one per
// character, and for each character the byte offset it started at in the
// caller's text, so that word marks can point back into it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct SEngineText {
    std::string cp1250;                  // what the engine reads
    std::vector<uint32_t> sourceOffset;  // per engine character, plus one entry for the end
    std::string error;                   // non-empty: why the text was refused
};

// Strict UTF-8: overlong forms, surrogates, code points above U+10FFFF and
// cut sequences are refused with the byte offset of the fault. Characters
// Windows-1250 lacks become '?'; NUL becomes a blank, which would otherwise
// end the engine's text early. With bestFit the minus sign and the narrow
// spaces of numbers become their nearest Windows-1250 byte instead.
SEngineText EngineTextFromUtf8(std::string_view text, bool bestFit = false);

// Windows-1250 is the engine's own code page: only NUL is replaced.
SEngineText EngineTextFromCp1250(std::string_view text);

// Byte offset in the caller's text of engine character `index` (clamped to the end).
uint32_t SourceOffset(const SEngineText& text, uint32_t index);
