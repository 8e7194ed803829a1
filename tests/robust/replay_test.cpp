// Replays the speech fuzzing corpus and every reproducer found so far through
// the whole speak pipeline with the shipped voice. A fault aborts the run
// (or trips the sanitizers in a sanitized build).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "../../fuzz/speech_exercise.h"
#include "fuzz_replay.h"

namespace fs = std::filesystem;

namespace {

bool VoicePresent() {
    return fs::exists(fs::path(VOKRANT_SOURCE_DATA_DIR) / "pln_22.als") &&
           fs::exists(fs::path(VOKRANT_SOURCE_DATA_DIR) / "pln_11.als");
}

void Speak(const uint8_t* data, size_t size) {
    speech_exercise::ExerciseSpeech(data, size, VOKRANT_SOURCE_DATA_DIR);
}

void Read(const uint8_t* data, size_t size) {
    speech_exercise::ExerciseText(data, size, VOKRANT_SOURCE_DATA_DIR);
}

const fs::path kRobust = fs::path(VOKRANT_TEST_DATA_DIR) / "robust";

TEST(SpeechFuzzCorpus, SeedsAreSpokenWithoutFault) {
    if (!VoicePresent()) GTEST_SKIP() << "shipped voice missing";
    EXPECT_GE(fuzz_replay::ReplayFolder(kRobust / "corpus", Speak), 30);
}

TEST(SpeechFuzzCorpus, ReproducersAreSpokenWithoutFault) {
    if (!VoicePresent()) GTEST_SKIP() << "shipped voice missing";
    fuzz_replay::ReplayFolder(kRobust / "crashes", Speak);
}

// The text target's view of the same corpus: the text stages alone.
TEST(SpeechFuzzCorpus, SeedsAreReadByTheTextStagesWithoutFault) {
    if (!VoicePresent()) GTEST_SKIP() << "shipped voice missing";
    EXPECT_GE(fuzz_replay::ReplayFolder(kRobust / "corpus", Read), 30);
    fuzz_replay::ReplayFolder(kRobust / "crashes", Read);
}

// Every settings combination over a sentence that reaches every reader.
TEST(SpeechFuzzCorpus, EverySwitchSpeaksAMixedSentence) {
    if (!VoicePresent()) GTEST_SKIP() << "shipped voice missing";
    const std::string text =
        "Dnia 12.05.2023 o 7:05:09 prof. Nowak (tel. 123456789) napisa\xB3 na a.b@c.pl :-) !!!! "
        "\\Spd=200\\ \\Mrk=7\\ \\Pau=50\\ \\Alf=aan\\ koniec.";
    for (int pattern = 0; pattern < 64; ++pattern) {
        SCOPED_TRACE(pattern);
        uint8_t b = static_cast<uint8_t>(pattern * 37 + 11);
        std::vector<uint8_t> input = {static_cast<uint8_t>(pattern), b, static_cast<uint8_t>(~b),
                                      static_cast<uint8_t>(pattern << 2)};
        input.insert(input.end(), text.begin(), text.end());
        speech_exercise::ExerciseSpeech(input.data(), input.size(), VOKRANT_SOURCE_DATA_DIR);
    }
}

}  // namespace
