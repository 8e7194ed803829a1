// Readable allophone lists for test expectations: inventory names, with the
// pauses and the unnamed "ch"/"chi" given their pattern names.
#pragma once

#include <string>

#include "model/alofon.h"
#include "model/inventory.h"

inline std::string AllophoneName(int id) {
    switch (id) {
        case 87:
            return "ch";
        case 88:
            return "chi";
        case 106:
            return "p003";
        case 107:
            return "p010";
        case 108:
            return "p050";
        case 109:
            return "p100";
        case 110:
            return "PauTag";
        default:
            break;
    }
    std::string name(InventoryName(id));
    return name.empty() ? "#" + std::to_string(id) : name;
}

// Names separated by single blanks.
inline std::string AllophoneNames(const SAlofonBff& word) {
    std::string names;
    for (int i = 0; i < word.GetSize(); ++i) {
        if (i) names += ' ';
        names += AllophoneName(word.IdAt(i));
    }
    return names;
}
