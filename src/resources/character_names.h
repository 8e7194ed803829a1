// The spelling table's sources: which character each letter, digit and
// symbol name resource belongs to.
#pragma once

#include <span>
#include <string>

struct SCharacterName {
    unsigned char character;  // Windows-1250 byte, lower case for letters
    int resourceId;
};

// Every named character in load order: a-z, the Polish letters, 0-9, symbols.
std::span<const SCharacterName> CharacterNameTable();

// Names beyond the written table, read by the spell mode with the extended
// reading on: "o z kreską" for ó, whose written name "u" is also the name of
// u. Windows-1250; null for a character without one.
const std::string* ExtendedCharacterName(unsigned char lowerCase);
