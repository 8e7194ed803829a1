// The settings file's fuzz corpus and reproducers: every file that parses
// formats into one that parses back to the same hive.
#include <gtest/gtest.h>

#include "../../fuzz/settings_file_exercise.h"
#include "fuzz_replay.h"

namespace {

TEST(SettingsFileFuzzCorpus, ParsedFilesRoundTrip) {
    EXPECT_GE(
        fuzz_replay::ReplayTarget("settings_file", settings_file_exercise::ExerciseSettingsFile),
        4);
}

}  // namespace
