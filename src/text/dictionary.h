// MINIMAL PLACEHOLDER until the user dictionary lands: only what the engine
// calls. The owner replaces this file.
#pragma once

#include <string>

#include "engine/containers.h"

class SDictionary : public SStr2_Map<std::string> {
public:
    // Empties the dictionary, then reads `fileName` (from `directory` unless
    // it is a path). True when the file was read. (Placeholder: stays empty,
    // returns false.)
    bool Load(const std::string& fileName, const std::string& directory);
};
