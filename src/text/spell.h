// SSpell: the spelling table, the Polish name of each letter, digit and
// symbol ("be", "dziewięć", "przecinek"), keyed by the one lower-case
// character. Names are Windows-1250 and used exactly as stored.
#pragma once

#include <string>

#include "core/containers.h"

class SSpell : public SStr2_Map<std::string> {
public:
    // Fills the table from the string resources; an existing entry gets its
    // name replaced.
    void Load();

    // The name of a character, looked up lower-cased; null when it has none.
    const std::string* NameOf(unsigned char c) const;
    // The name of a one-character string; null for any other length.
    const std::string* NameOf(const std::string& oneCharacter) const;
};

// SNoSpellWords: capitalised words the abbreviation rule must not spell.
class SNoSpellWords : public SStr2_Map<int> {
public:
    SNoSpellWords();
    bool Contains(const std::string& word) const { return Find(word) >= 0; }

    // The process-wide table, built on first use.
    static const SNoSpellWords& Instance();
};
