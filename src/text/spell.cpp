#include "text/spell.h"

#include "model/chars.h"
#include "resources/character_names.h"
#include "resources/resource_strings.h"
#include "resources/word_lists.h"

void SSpell::Load() {
    for (const SCharacterName& entry : CharacterNameTable()) {
        const char key[2] = {static_cast<char>(entry.character), '\0'};
        Set(key, ResourceString(entry.resourceId));
    }
}

const std::string* SSpell::NameOf(unsigned char c) const {
    const char key[2] = {static_cast<char>(ToLowerChar(c)), '\0'};
    int index = Find(key);
    return index < 0 ? nullptr : &ValueAt(index);
}

const std::string* SSpell::NameOf(const std::string& oneCharacter) const {
    if (oneCharacter.size() != 1) return nullptr;
    return NameOf(static_cast<unsigned char>(oneCharacter[0]));
}

SNoSpellWords::SNoSpellWords() {
    for (const std::string& word : NoSpellWordList()) Set(word, 1);
}

const SNoSpellWords& SNoSpellWords::Instance() {
    static const SNoSpellWords table;
    return table;
}
