// The spelling table's sources: which character each letter, digit and
// symbol name resource belongs to.
#pragma once

#include <span>

struct SCharacterName {
    unsigned char character;  // Windows-1250 byte, lower case for letters
    int resourceId;
};

// Every named character in load order: a-z, the Polish letters, 0-9, symbols.
std::span<const SCharacterName> CharacterNameTable();
