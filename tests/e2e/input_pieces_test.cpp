// The command line's input in pieces: decoding a stream block by block gives
// the text that decoding it whole gives, and pieces end only where the
// engine starts a new sentence, never inside a word or a tag.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "input_pieces.h"
#include "input_text.h"

namespace {

struct SEncoded {
    const char* what;
    std::string bytes;
    SInputEncoding encoding;
    std::string cp1250;  // the text in Windows-1250, '?' for what it lacks or what is malformed
};

const SEncoded kStreams[] = {
    {"Polish UTF-8",
     "Za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87 g\xC4\x99\xC5\x9Bl\xC4\x85 ja\xC5\xBA\xC5\x84.",
     SInputEncoding::Utf8, "Za\xBF\xF3\xB3\xE6 g\xEA\x9Cl\xB9 ja\x9F\xF1."},
    {"UTF-8 mark",
     "\xEF\xBB\xBF\xC5\x81\xC3\xB3"
     "d\xC5\xBA",
     SInputEncoding::Utf8,
     "\xA3\xF3"
     "d\x9F"},
    // one '?' per byte that starts no whole character
    {"invalid UTF-8", "a\xFF\xC3(b\xE2\x82 c\xED\xA0\x80\xF0\x9F\x98", SInputEncoding::Utf8,
     "a?" "?(b?? c??????"},
    {"four-byte and euro", "\xF0\x9F\x98\x80 \xE2\x82\xAC", SInputEncoding::Utf8, "? \x80"},
    {"NUL bytes", std::string("Ala\0ma\0\0kota", 12), SInputEncoding::Utf8, "Ala ma  kota"},
    // "Łódź", a character beyond the code page (a surrogate pair), half a unit
    {"UTF-16LE", std::string("\xFF\xFE\x41\x01\xF3\x00\x64\x00\x7A\x01\x3D\xD8\x00\xDE\x0A", 15),
     SInputEncoding::Utf8,
     "\xA3\xF3"
     "d\x9F??"},
    {"UTF-16BE", std::string("\xFE\xFF\x01\x41\x00\xF3\x00\x64\x01\x7A\xD8\x3D\xDE\x00", 14),
     SInputEncoding::Utf8,
     "\xA3\xF3"
     "d\x9F?"},
    {"lone high surrogate at the end", std::string("\xFF\xFE\x61\x00\x3D\xD8", 6),
     SInputEncoding::Utf8, "a?"},
    {"only a mark", "\xFF\xFE", SInputEncoding::Utf8, ""},
    {"Windows-1250", std::string("\xA3\xF3\x64\x9F\0x", 6), SInputEncoding::Cp1250,
     "\xA3\xF3"
     "d\x9F x"},
};

TEST(StreamDecoder, AnyCutOfTheStreamGivesTheSameText) {
    for (const SEncoded& stream : kStreams) {
        for (size_t block = 1; block <= stream.bytes.size() + 1; ++block) {
            SCOPED_TRACE(std::string(stream.what) + ", blocks of " + std::to_string(block));
            SStreamDecoder decoder(stream.encoding);
            std::string text;
            for (size_t at = 0; at < stream.bytes.size(); at += block)
                decoder.Feed(std::string_view(stream.bytes).substr(at, block), text);
            decoder.Finish(text);
            EXPECT_EQ(text, stream.cp1250);
        }
    }
}

TEST(SentenceCut, PiecesEndWhereTheEngineStartsASentence) {
    struct SCase {
        const char* what;
        std::string text;
        bool tagged;
        size_t cut;
    };
    const SCase cases[] = {
        {"after a line end", "Ala ma kota.\nOla", false, 13},
        {"the last of several", "A.\nB.\nC", false, 6},
        {"blanks and ends after the line end are skipped", "Ala\n \n.. \tOla", false, 10},
        {"a line end without a full stop", "prof.\nNowak", false, 6},
        {"no line end", "Ala ma kota. Ola ma psa.", false, 0},
        {"nothing after the line end yet", "Ala ma kota.\n\n", false, 0},
        {"a tag holding a line end", "x\n\\Com=\"a\nb\"\\ c", true, 2},
        {"the same untagged", "x\n\\Com=\"a\nb\"\\ c", false, 10},
        {"a tag still open", "x\n\\Spd=1\ny", true, 2},
        {"a literal backslash", "x\\\\\ny", true, 4},
        {"a closed tag before the line end", "\\Spd=120\\x\ny", true, 11},
        {"empty", "", false, 0},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(LastSentenceCut(c.text, c.tagged, false), c.cut);
    }
    // At the end of the stream an unclosed backslash is no tag.
    EXPECT_EQ(LastSentenceCut("x\n\\Spd=1\ny", true, true), 9u);
}

// Reads a text through a real stream and checks the pieces put back together.
std::vector<std::string> PiecesOf(const std::string& bytes, bool tagged) {
    std::FILE* file = std::tmpfile();
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::rewind(file);
    SInputPieces input(file, true, SInputEncoding::Utf8, tagged);
    std::vector<std::string> pieces;
    std::string piece, error;
    uint64_t start = 0;
    while (input.Next(piece, error)) {
        EXPECT_EQ(input.PieceStart(), start);
        start += piece.size();
        pieces.push_back(piece);
        if (input.AtEnd()) break;
    }
    EXPECT_TRUE(error.empty()) << error;
    EXPECT_TRUE(input.AtEnd());
    EXPECT_FALSE(input.Next(piece, error));
    return pieces;
}

TEST(InputPieces, PiecesAreBoundedAndJoinToTheWholeText) {
    std::string lines;
    for (int i = 0; lines.size() < 5 * SInputPieces::kMaxPieceChars; ++i)
        lines += "Zdanie numer " + std::to_string(i) + " ma s\xC5\x82owa.\n";
    const std::string oneLine(3 * SInputPieces::kMaxPieceChars / 2, 'a');
    const std::string longWords = std::string(SInputPieces::kMaxPieceChars, 'b') + " cc dd";
    struct SCase {
        const char* what;
        std::string bytes;
        size_t minimumPieces;
    };
    const SCase cases[] = {
        {"many lines", lines, 5},
        {"one line longer than a piece", oneLine, 2},
        {"a long word then blanks", longWords, 2},
        {"empty", "", 1},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<std::string> pieces = PiecesOf(c.bytes, false);
        EXPECT_GE(pieces.size(), c.minimumPieces);
        std::string joined;
        for (const std::string& piece : pieces) {
            EXPECT_LE(piece.size(), SInputPieces::kMaxPieceChars + 64 * 1024);
            joined += piece;
        }
        EXPECT_EQ(joined, ToEngineText(c.bytes, SInputEncoding::Utf8));
    }
    // Pieces of the many lines each end after a line end: whole sentences.
    for (const std::string& piece : PiecesOf(lines, false)) EXPECT_EQ(piece.back(), '\n');
}

}  // namespace
