#include "text/governing_verbs.h"

#include <algorithm>

#include "resources/accusative_verbs.h"

bool GovernsAccusative(const std::string& word) {
    const std::vector<std::string>& endings = VerbFormEndings();
    for (const std::string& stem : AccusativeVerbStems()) {
        if (word.size() < stem.size() || word.compare(0, stem.size(), stem) != 0) continue;
        const std::string ending = word.substr(stem.size());
        if (std::find(endings.begin(), endings.end(), ending) != endings.end()) return true;
    }
    return false;
}
