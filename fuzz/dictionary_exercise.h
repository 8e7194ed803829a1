// Reads one arbitrary user dictionary (client.exp) and speaks a text through
// the text stages with it: the bytes up to the first NUL are the dictionary,
// the rest the text. Every entry must be found again by its own word, and
// reading the text must end in a bounded number of sentences, whatever the
// replacements (a replacement may hold the word it replaces).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "speech_exercise.h"
#include "text/dictionary.h"

namespace dictionary_exercise {

inline void ExerciseDictionary(const uint8_t* data, size_t size, const std::string& voiceDir) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const size_t split = std::min(bytes.find('\0'), bytes.size());
    const std::string_view file = bytes.substr(0, split);
    const std::string_view text = split < bytes.size() ? bytes.substr(split + 1) : "";

    static const uint8_t kPlainSettings[speech_exercise::kSettingsBytes] = {0x04, 0xFF, 0x3F, 0x05};
    STtsEngine& engine = speech_exercise::EngineFor(kPlainSettings, voiceDir);
    SDictionary& dictionary = engine.GetDictionary();
    dictionary.RemoveAll();
    dictionary.Parse(file);
    for (int i = 0; i < dictionary.GetCount(); ++i)
        if (dictionary.FindReplacement(dictionary.KeyAt(i)) == nullptr) {
            std::fprintf(stderr, "entry %d cannot be found by its own word\n", i);
            std::abort();
        }
    engine.StartRequest(text);
    speech_exercise::ReadSentences(engine, text.size());
    // The next input starts from the shipped dictionary again.
    dictionary.RemoveAll();
    dictionary.Load(engine.GetSettings()->extDict, engine.GetSettings()->workDir);
}

}  // namespace dictionary_exercise
