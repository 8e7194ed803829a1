// MINIMAL PLACEHOLDER until the voice database loader lands: no format is read.
#include "soundfile/voice_loader.h"

#include <unistd.h>

#include "engine/exceptions.h"
#include "synthesis/pattern_store.h"

void LoadVoice(SAlfPattArr& store, const std::string& fileName, const std::string& workDir) {
    store.RemoveAll();
    std::string path = workDir;
    if (!path.empty() && path.back() != '/') path += '/';
    path += fileName;
    if (::access(path.c_str(), R_OK) != 0 && ::access(fileName.c_str(), R_OK) != 0)
        ThrowExit(kExitVoiceDatabase, "Nie znaleziono pliku z alofonami: %s", fileName.c_str());
    ThrowExit(kExitVoiceDatabase, "B\xB3\xB9" "d \xB3" "adowania alofon\xF3w: '%s'.", path.c_str());
}
