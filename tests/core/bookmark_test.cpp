// Mark numbers: building and decoding, including the cases the plain scheme
// has no room for.
#include <gtest/gtest.h>

#include "core/bookmark.h"

namespace {

struct MarkCase {
    uint32_t category, value;
    uint32_t expectedId;
    SMarkKind kind;
    uint32_t decodedValue;
};

TEST(Marks, BuildAndDecode) {
    const MarkCase cases[] = {
        {kMarkBookmark, 0, 0, SMarkKind::UserBookmark, 0},
        {kMarkBookmark, 0x7FFF, 0x7FFF, SMarkKind::UserBookmark, 0x7FFF},
        {kMarkBookmark, 0x8000, 0x108000, SMarkKind::UserBookmark, 0x8000},
        {kMarkBookmark, 0xFFFFF, 0x1FFFFF, SMarkKind::UserBookmark, 0xFFFFF},
        {kMarkBookmark, 0x200000, 0x300000, SMarkKind::UserBookmark, 0x200000},
        {kMarkVolume, 0xFFFF, 0x1FFFF, SMarkKind::Volume, 0xFFFF},
        {kMarkSpeed, 120, 0x20078, SMarkKind::Speed, 120},
        {kMarkPitch, 0, 0x30000, SMarkKind::Pitch, 0},
        {kMarkAllophone, 138, 0x4008A, SMarkKind::Allophone, 138},
        {kMarkWord, 0, 0x50000, SMarkKind::WordStart, 0},
        {kMarkWord, 0xFFFE, 0x5FFFE, SMarkKind::WordStart, 0xFFFE},
        // A word at offset 0xFFFF must not look like the end of the text.
        {kMarkWord, 0xFFFF, 0x60000, SMarkKind::WordStart, 0xFFFF},
        {kMarkWord, 0x10000, 0x60001, SMarkKind::WordStart, 0x10000},
        {kMarkWord, 0xAFFFE, 0xFFFFF, SMarkKind::WordStart, 0xAFFFE},
        // Beyond what a word mark carries: clamped, still a word.
        {kMarkWord, 0xB0000, 0xFFFFF, SMarkKind::WordStart, 0xAFFFE},
        {kMarkWord, 0xFFFFFFFF, 0xFFFFF, SMarkKind::WordStart, 0xAFFFE},
    };
    for (const MarkCase& c : cases) {
        uint32_t id = BuildMark(c.category, c.value);
        EXPECT_EQ(id, c.expectedId) << std::hex << c.category << " " << c.value;
        SDecodedMark decoded = DecodeMark(id);
        EXPECT_EQ(decoded.kind, c.kind) << std::hex << id;
        EXPECT_EQ(decoded.value, c.decodedValue) << std::hex << id;
    }
}

TEST(Marks, EndOfTextIsItsOwnKind) {
    SDecodedMark end = DecodeMark(kEndOfTextMark);
    EXPECT_EQ(end.kind, SMarkKind::EndOfText);
    EXPECT_EQ(end.category, kMarkWord);
    EXPECT_EQ(end.value, 0xFFFFu);
}

TEST(Marks, RecordCarriesTheCategoryItTravelsIn) {
    SBookmark small = MakeBookmark(kMarkBookmark, 5, 40);
    EXPECT_EQ(small.category, kMarkBookmark);
    EXPECT_EQ(small.position, 40u);
    SBookmark large = MakeBookmark(kMarkBookmark, 0x9000, 0);
    EXPECT_EQ(large.category, kMarkLargeBookmark);
    EXPECT_EQ(large.id, 0x109000u);
}

}  // namespace
