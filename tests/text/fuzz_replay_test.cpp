// The user dictionary's fuzz corpus and reproducers: every entry is found by
// its word and a text read with the dictionary ends.
#include <gtest/gtest.h>

#include <filesystem>

#include "../../fuzz/dictionary_exercise.h"
#include "fuzz_replay.h"

namespace {

TEST(DictionaryFuzzCorpus, EntriesAreFoundAndTextsEnd) {
    if (!std::filesystem::exists(std::string(VOKRANT_SOURCE_DATA_DIR) + "pln_22.als"))
        GTEST_SKIP() << "shipped voice missing";
    const int seeds = fuzz_replay::ReplayTarget("dictionary", [](const uint8_t* data, size_t size) {
        dictionary_exercise::ExerciseDictionary(data, size, VOKRANT_SOURCE_DATA_DIR);
    });
    EXPECT_GE(seeds, 4);
}

}  // namespace
