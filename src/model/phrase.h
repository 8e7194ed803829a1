// A stress group: a run of clitics and the full word they lean on. Indices
// count only the visible words of the sentence; -1 when empty.
#pragma once

#include <cstdint>

#include "core/containers.h"

class SSentence;

struct SPhrase {
    SSentence* sentence = nullptr;
    int32_t firstWord = -1;
    int32_t lastWord = -1;

    bool IsEmpty() const { return firstWord < 0 || lastWord < firstWord; }
};

using SPhraseArr = SPtrArray<SPhrase>;
