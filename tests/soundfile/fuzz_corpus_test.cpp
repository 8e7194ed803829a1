// Replays the fuzzing corpus and every crash reproducer found so far through
// all readers of untrusted sound and voice files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "../../fuzz/sound_file_exercise.h"

namespace fs = std::filesystem;

TEST(FuzzCorpus, EveryStoredInputIsReadWithoutFault) {
    const fs::path root = fs::path(VOKRANT_TEST_DATA_DIR) / "soundfile";
    int replayed = 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file()) continue;
        SCOPED_TRACE(entry.path().string());
        std::ifstream in(entry.path(), std::ios::binary);
        std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                   std::istreambuf_iterator<char>());
        ExerciseSoundFile(bytes.data(), bytes.size());
        ++replayed;
    }
    EXPECT_GE(replayed, 8);
}
