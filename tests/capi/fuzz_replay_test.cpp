// The C interface's fuzz corpus and reproducers, replayed with the event
// contract checked on every text.
#include <gtest/gtest.h>

#include "../../fuzz/capi_exercise.h"
#include "capi_speaking.h"
#include "fuzz_replay.h"

namespace {

TEST(CApiFuzzCorpus, EveryInputKeepsTheEventContract) {
    if (!capi_test::VoicePresent()) GTEST_SKIP() << "shipped voice missing";
    const int seeds = fuzz_replay::ReplayTarget("capi", [](const uint8_t* data, size_t size) {
        capi_exercise::ExerciseCApi(data, size, VOKRANT_SOURCE_DATA_DIR);
    });
    EXPECT_GE(seeds, 8);
}

}  // namespace
