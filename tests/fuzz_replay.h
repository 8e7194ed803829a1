// Replays a fuzz target's corpus and crash reproducers through its exercise
// (fuzz/*_exercise.h) in an ordinary test build: a fault aborts the test
// program, or trips the sanitizers in a sanitized build.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <vector>

namespace fuzz_replay {

using SExercise = std::function<void(const uint8_t* data, size_t size)>;

// Replays every file below `root` (none when it is missing); returns how many.
inline int ReplayFolder(const std::filesystem::path& root, const SExercise& exercise) {
    namespace fs = std::filesystem;
    int replayed = 0;
    if (!fs::exists(root)) return 0;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file()) continue;
        SCOPED_TRACE(entry.path().string());
        std::ifstream in(entry.path(), std::ios::binary);
        const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                         std::istreambuf_iterator<char>());
        exercise(bytes.data(), bytes.size());
        ++replayed;
    }
    return replayed;
}

// The seeds of target `name` (tests/data/fuzz/<name>/corpus) and its reproducers
// (.../crashes); returns how many seeds there were.
inline int ReplayTarget(const char* name, const SExercise& exercise) {
    const std::filesystem::path folder =
        std::filesystem::path(VOKRANT_TEST_DATA_DIR) / "fuzz" / name;
    const int seeds = ReplayFolder(folder / "corpus", exercise);
    ReplayFolder(folder / "crashes", exercise);
    return seeds;
}

}  // namespace fuzz_replay
