// MINIMAL PLACEHOLDER until the spelling table lands: only what the engine
// calls. The owner replaces this file.
#pragma once

#include <string>

#include "engine/containers.h"

class SSpell : public SStr2_Map<std::string> {
public:
    // Fills the table from the string resources; an existing entry gets its
    // name replaced. (Placeholder: leaves the table empty.)
    void Load();
};
