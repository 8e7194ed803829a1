// The emoticons the reader recognises, in the order they are tried, with the
// resource id of each one's name.
#pragma once

#include <span>

struct SEmoticon {
    const char* text;  // at most 7 characters, ASCII
    int nameId;
};

std::span<const SEmoticon> EmoticonTable();
