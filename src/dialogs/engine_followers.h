// What the sheet's OK asks of the engine it edits the settings of: the pause
// patterns whose length changed are rebuilt, and a dictionary file just
// written is loaded again. Empty functions when there is no engine.
#pragma once

#include <functional>
#include <string>

class SAttribute;
class STtsEngine;

std::function<void(int patternId)> PauseRefresherFor(STtsEngine* engine);
std::function<void(const std::string& path)> DictionaryReloaderFor(STtsEngine* engine,
                                                                   const SAttribute& settings);
