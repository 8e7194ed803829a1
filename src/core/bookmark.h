// Marks: every event that must coincide with playback (word starts, user
// bookmarks, attribute changes from tags, allophone starts, end of text)
// travels inside the audio stream as a 32-bit mark number = category + value.
//
// Choices where the plain scheme has no room:
//  - user bookmark numbers from 0x8000 up travel as number + 0x100000, so every
//    number reaches the client intact (numbers above 0xFFEFFFFF are clamped);
//  - word offsets from 0xFFFF up travel one higher (offset + 1), so a word at
//    offset 0xFFFF never looks like the end-of-text mark 0x5FFFF;
//  - word offsets beyond the largest a word mark carries (0xAFFFE) are clamped
//    to it, so they never decode as a large user bookmark.
#pragma once

#include <cstdint>

#include "core/containers.h"

enum SMarkCategory : uint32_t {
    kMarkBookmark = 0,              // user bookmark 0..0x7FFF
    kMarkVolume = 0x10000,          // volume changed by a tag
    kMarkSpeed = 0x20000,           // speed changed by a tag
    kMarkPitch = 0x30000,           // pitch changed by a tag
    kMarkAllophone = 0x40000,       // an allophone starts (mouth shapes)
    kMarkWord = 0x50000,            // a word starts; value = character offset
    kMarkLargeBookmark = 0x100000,  // user bookmark number >= 0x8000
};

constexpr uint32_t kEndOfTextMark = 0x5FFFF;  // category 0x50000, value 0xFFFF
constexpr uint32_t kMaxSmallBookmark = 0x7FFF;
constexpr uint32_t kMaxWordOffset = 0xAFFFE;  // largest offset a word mark carries
constexpr uint32_t kMaxLargeBookmark = 0xFFFFFFFFu - kMarkLargeBookmark;

// One mark travelling with the audio of the chunk held in the output wave.
struct SBookmark {
    uint32_t id = 0;        // mark number handed to the audio destination
    uint32_t category = 0;  // one of SMarkCategory
    uint32_t value = 0;     // value carried in that category
    uint32_t position = 0;  // byte offset in the output wave where it is delivered
};

// The bookmark buffer of the engine (and of each word, for allophone marks).
using SBookmarkBff = SFastArray<SBookmark>;

// What a played mark means.
enum class SMarkKind { UserBookmark, Volume, Speed, Pitch, Allophone, WordStart, EndOfText };

struct SDecodedMark {
    SMarkKind kind;
    uint32_t category;  // category block the number lies in
    uint32_t value;     // bookmark number, attribute value, allophone, or word offset
};

// Builds the mark number for a category and value (see the choices above).
// Category 0 with a value above 0x7FFF becomes a large bookmark.
uint32_t BuildMark(uint32_t category, uint32_t value);

// A full record: id built from category and value, at the given byte position.
// The category is the one the id actually uses (0 may become 0x100000).
SBookmark MakeBookmark(uint32_t category, uint32_t value, uint32_t position);

// Decodes a mark number handed back by the audio destination.
SDecodedMark DecodeMark(uint32_t mark);
