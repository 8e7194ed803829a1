// Long input read and spoken in pieces, so that memory does not grow with
// the text: bytes come from a file or standard input a block at a time, are
// converted to Windows-1250 as they arrive, and leave in pieces that end
// where the engine starts a new sentence anyway (after a line end and the
// blanks and sentence ends the engine skips), so speaking the pieces one
// after another sounds exactly like speaking the whole text. A piece never
// ends inside a word or a tag unless a single line outgrows kMaxPieceChars.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "options.h"

// Converts a byte stream in one input encoding to Windows-1250 as it
// arrives: a UTF-8 or UTF-16 character split between two blocks waits for
// its rest, so the result does not depend on how the stream is cut. In UTF-8
// mode a stream starting with a UTF-16 byte-order mark is read as UTF-16 (as
// Windows editors save it) and a UTF-8 mark is dropped; characters the code
// page lacks become '?', half a UTF-16 unit at the end one '?' more, and NUL
// bytes, which would end the engine's text early, blanks. With bestFit (the
// extended reading) the minus sign and the narrow spaces of numbers become
// their nearest Windows-1250 byte instead of '?'.
class SStreamDecoder {
public:
    explicit SStreamDecoder(SInputEncoding encoding, bool bestFit = false)
        : encoding_(encoding), bestFit_(bestFit) {}

    // Appends to `out` the text of `bytes` that is complete so far.
    void Feed(std::string_view bytes, std::string& out);
    // Appends what is left at the end of the stream.
    void Finish(std::string& out);

private:
    enum class SMode { Undecided, Cp1250, Utf8, Utf16Little, Utf16Big };
    void Decide();
    void Convert(bool atEnd, std::string& out);

    SInputEncoding encoding_;
    bool bestFit_;
    SMode mode_ = SMode::Undecided;
    std::string pending_;  // bytes not yet converted
};

// Where a piece of Windows-1250 text may end: just after a line end and every
// blank, control character and sentence end that follows it, when a character
// the engine reads comes next and no tag is open. Returns 0 when there is no
// such place in `text`. `atEnd`: nothing follows `text` (a tag without its
// closing backslash is then no tag).
size_t LastSentenceCut(std::string_view text, bool tagged, bool atEnd);

class SInputPieces {
public:
    // Pieces are cut once this much text has gathered...
    static constexpr size_t kPieceChars = 4 * 1024;
    // ...and forced at a blank (else anywhere) once a line grows this long.
    static constexpr size_t kMaxPieceChars = 1024 * 1024;

    // Reads `file` in `encoding` (closing it at the end when `owned`);
    // `tagged` keeps tags whole; `bestFit` as for SStreamDecoder.
    SInputPieces(std::FILE* file, bool owned, SInputEncoding encoding, bool tagged,
                 bool bestFit = false);
    // The text given on the command line, as one stream.
    SInputPieces(std::string text, SInputEncoding encoding, bool tagged, bool bestFit = false);
    ~SInputPieces();
    SInputPieces(const SInputPieces&) = delete;
    SInputPieces& operator=(const SInputPieces&) = delete;

    // The next piece of Windows-1250 text; false at the end of the input (a
    // stream that is empty from the start gives one empty piece) or on a
    // read error (then `error` says why).
    bool Next(std::string& piece, std::string& error);
    // Whether the piece returned last is the final one.
    bool AtEnd() const { return ended_ && text_.empty(); }
    // Characters handed out before the piece returned last.
    uint64_t PieceStart() const { return pieceStart_; }

private:
    bool Fill(std::string& error);
    size_t CutPoint() const;

    std::FILE* file_ = nullptr;
    bool ownsFile_ = false;
    std::string given_;  // the command-line text, when not reading a file
    SStreamDecoder decoder_;
    bool tagged_;
    std::string text_;  // decoded text not yet handed out
    bool ended_ = false;
    bool handedAny_ = false;
    uint64_t handedOut_ = 0, pieceStart_ = 0;
};
