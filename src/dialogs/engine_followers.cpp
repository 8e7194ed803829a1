#include "dialogs/engine_followers.h"

#include "core/attribute.h"
#include "engine/tts_engine.h"
#include "text/dictionary.h"

std::function<void(int)> PauseRefresherFor(STtsEngine* engine) {
    if (!engine) return {};
    return [engine](int patternId) { engine->RefreshPausePattern(patternId); };
}

std::function<void(const std::string&)> DictionaryReloaderFor(STtsEngine* engine,
                                                              const SAttribute& settings) {
    if (!engine) return {};
    return [engine, &settings](const std::string& path) {
        engine->GetDictionary().Load(path, settings.workDir);
    };
}
