#include "core/bookmark.h"

#include <algorithm>

namespace {

constexpr uint32_t kWordShiftFrom = 0xFFFF;  // offsets from here travel one higher

uint32_t WordMark(uint32_t offset) {
    offset = std::min(offset, kMaxWordOffset);
    return kMarkWord + (offset >= kWordShiftFrom ? offset + 1 : offset);
}

}  // namespace

uint32_t BuildMark(uint32_t category, uint32_t value) {
    switch (category) {
        case kMarkBookmark:
            if (value <= kMaxSmallBookmark) return value;
            return kMarkLargeBookmark + std::min(value, kMaxLargeBookmark);
        case kMarkLargeBookmark:
            return kMarkLargeBookmark + std::min(value, kMaxLargeBookmark);
        case kMarkWord:
            return WordMark(value);
        default:
            return category + (value & 0xFFFF);
    }
}

SBookmark MakeBookmark(uint32_t category, uint32_t value, uint32_t position) {
    SBookmark mark;
    mark.id = BuildMark(category, value);
    mark.category =
        (category == kMarkBookmark && value > kMaxSmallBookmark) ? kMarkLargeBookmark : category;
    mark.value = value;
    mark.position = position;
    return mark;
}

SDecodedMark DecodeMark(uint32_t mark) {
    if (mark <= 0xFFFF) return {SMarkKind::UserBookmark, kMarkBookmark, mark};
    if (mark < kMarkWord) {
        uint32_t category = mark & 0xFFFF0000u;
        static constexpr SMarkKind kinds[] = {SMarkKind::Volume, SMarkKind::Speed, SMarkKind::Pitch,
                                              SMarkKind::Allophone};
        return {kinds[(category >> 16) - 1], category, mark - category};
    }
    if (mark == kEndOfTextMark) return {SMarkKind::EndOfText, kMarkWord, 0xFFFF};
    if (mark < kMarkLargeBookmark) {
        uint32_t carried = mark - kMarkWord;
        return {SMarkKind::WordStart, kMarkWord, carried > kWordShiftFrom ? carried - 1 : carried};
    }
    return {SMarkKind::UserBookmark, kMarkLargeBookmark, mark - kMarkLargeBookmark};
}
