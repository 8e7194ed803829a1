// The text to speak, gathered from the arguments, standard input or a file
// and converted to Windows-1250, the engine's code page.
#pragma once

#include <memory>
#include <string>

#include "input_pieces.h"
#include "options.h"

// Largest input --words accepts, in bytes; beyond it the run stops with an
// error instead of allocating without bound. Speaking reads in pieces and
// takes any length.
constexpr size_t kMaxInputBytes = 256u << 20;

struct STextInput {
    std::string cp1250;  // the text for the engine
    std::string error;   // non-empty: why it could not be read (one line)
};

// The whole text at once (for --words, which reports offsets in it). With
// bestFit (the extended reading) the minus sign and the narrow spaces of
// numbers become their nearest Windows-1250 byte instead of '?'.
STextInput ReadInputText(const SCommandLine& command, bool bestFit);

// The text to speak, in pieces: null with `error` set when the file cannot
// be opened.
std::unique_ptr<SInputPieces> OpenInputPieces(const SCommandLine& command, bool bestFit,
                                              std::string& error);

// Converts input bytes in the given encoding to Windows-1250. Characters the
// code page lacks become '?'; NUL bytes, which would end the engine's text
// early, become blanks. In UTF-8 mode, text starting with a UTF-16
// byte-order mark is read as UTF-16, and a UTF-8 byte-order mark is dropped.
std::string ToEngineText(const std::string& bytes, SInputEncoding encoding, bool bestFit = false);
