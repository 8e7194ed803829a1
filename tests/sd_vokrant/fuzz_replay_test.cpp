// The module's fuzz corpora and reproducers: SSML conversions checked for
// injected tags, and whole sessions run to the end of their input.
#include <gtest/gtest.h>

#include <filesystem>

#include "../../fuzz/session_exercise.h"
#include "../../fuzz/ssml_exercise.h"
#include "fuzz_replay.h"

namespace {

TEST(ModuleFuzzCorpus, SsmlNeverBecomesATag) {
    EXPECT_GE(fuzz_replay::ReplayTarget("ssml", ssml_exercise::ExerciseSsml), 6);
}

TEST(ModuleFuzzCorpus, SessionsEndAtTheEndOfTheirInput) {
    if (!std::filesystem::exists(std::string(VOKRANT_SOURCE_DATA_DIR) + "pln_22.als"))
        GTEST_SKIP() << "shipped voice missing";
    const int seeds =
        fuzz_replay::ReplayTarget("module_session", [](const uint8_t* data, size_t size) {
            session_exercise::ExerciseSession(data, size, VOKRANT_SOURCE_DATA_DIR);
        });
    EXPECT_GE(seeds, 5);
}

}  // namespace
