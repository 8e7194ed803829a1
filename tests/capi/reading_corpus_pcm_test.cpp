// With the extended reading switched off (and every other extension with
// it), each sentence of the reading corpus sounds exactly as it did before
// the extended reading existed: the C interface's PCM against the sample
// counts and checksums captured from that build
// (tests/data/reading/written_rules_pcm.txt, bench/reading_corpus.py pcm).
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "capi_speaking.h"
#include "vokrant/vokrant.h"

namespace {

const std::string kReadingDir = std::string(VOKRANT_TEST_DATA_DIR) + "reading/";

struct SCaptured {
    size_t samples = 0;
    uint64_t hash = 0;
};

// The captured sound of each text, by its text.
std::map<std::string, SCaptured> ReadCaptured() {
    std::map<std::string, SCaptured> captured;
    std::ifstream in(kReadingDir + "written_rules_pcm.txt");
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        SCaptured sound;
        std::string hex;
        fields >> sound.samples >> hex;
        sound.hash = std::stoull(hex, nullptr, 16);
        const size_t text = line.find('\t', line.find('\t') + 1);
        if (text != std::string::npos) captured[line.substr(text + 1)] = sound;
    }
    return captured;
}

std::vector<std::string> CorpusTexts() {
    std::vector<std::string> texts;
    std::ifstream in(kReadingDir + "corpus.tsv");
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        const size_t start = line.find('\t') + 1;
        texts.push_back(line.substr(start, line.find('\t', start) - start));
    }
    return texts;
}

TEST(ReadingCorpusPcm, SwitchedOffEveryRowSoundsAsBeforeTheExtendedReading) {
    if (!capi_test::VoicePresent()) GTEST_SKIP() << "no voice";
    const std::map<std::string, SCaptured> captured = ReadCaptured();
    const std::vector<std::string> texts = CorpusTexts();
    ASSERT_GE(texts.size(), 500u);

    capi_test::SHandle voice;
    ASSERT_NE(voice.handle, nullptr);
    for (const auto& setting : capi_test::kExtensionsOff)
        ASSERT_EQ(vokrant_set(voice.handle, setting[0], setting[1]), VOKRANT_OK) << setting[0];
    const std::string dictionary = kReadingDir + "client-plain.exp";
    ASSERT_EQ(vokrant_set(voice.handle, "ExtDict", dictionary.c_str()), VOKRANT_OK);
    for (const std::string& text : texts) {
        auto expected = captured.find(text);
        ASSERT_NE(expected, captured.end()) << "no captured sound for: " << text;
        const capi_test::SSpoken spoken = voice.Speak(text);
        ASSERT_EQ(spoken.status, VOKRANT_OK) << text;
        EXPECT_EQ(spoken.pcm.size(), expected->second.samples) << text;
        EXPECT_EQ(capi_test::Fnv1a64(spoken.pcm), expected->second.hash) << text;
    }
}

// The switch is what keeps the sound: on, the readings differ, so the
// comparison above can fail.
TEST(ReadingCorpusPcm, SwitchedOnTheReadingsSoundOtherwise) {
    if (!capi_test::VoicePresent()) GTEST_SKIP() << "no voice";
    const std::map<std::string, SCaptured> captured = ReadCaptured();
    capi_test::SHandle voice;
    ASSERT_NE(voice.handle, nullptr);
    for (const auto& setting : capi_test::kExtensionsOff)
        ASSERT_EQ(vokrant_set(voice.handle, setting[0], setting[1]), VOKRANT_OK);
    ASSERT_EQ(vokrant_set(voice.handle, "ExtendedReading", "Yes"), VOKRANT_OK);
    const std::string text = "Bilet kosztuje 4 zł.";  // "cztery złote", not "złotych"
    auto expected = captured.find(text);
    ASSERT_NE(expected, captured.end());
    EXPECT_NE(capi_test::Fnv1a64(voice.Speak(text).pcm), expected->second.hash);
}

}  // namespace
