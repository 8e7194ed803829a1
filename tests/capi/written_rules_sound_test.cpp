// With every extension off, the C interface speaks exactly the sound of the
// written rules: the 30 public sentences against the sample counts and FNV-1a
// checksums of the sound the engine made before the voice extensions existed
// (tests/data/voice/written_rules_pcm.txt, made by the vokrant command).
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "vokrant/vokrant.h"

namespace {

const std::string kVoiceDir = VOKRANT_SOURCE_DATA_DIR;
const std::string kTestData = VOKRANT_TEST_DATA_DIR;

// Each extension by its setting name, with the value that switches it off.
const char* const kExtensionsOff[][2] = {
    {"ExtendedReading", "No"},
    {"Intonation", "No"},
    {"VoicePitch", "100"},
    {"SmoothJoins", "No"},
    {"ContextSounds", "No"},
};

uint64_t Fnv1a64(const std::vector<int16_t>& pcm) {
    uint64_t hash = 0xcbf29ce484222325ull;
    for (int16_t sample : pcm) {
        const uint16_t bits = static_cast<uint16_t>(sample);
        for (uint8_t byte : {static_cast<uint8_t>(bits & 0xFF), static_cast<uint8_t>(bits >> 8)}) {
            hash ^= byte;
            hash *= 0x100000001b3ull;
        }
    }
    return hash;
}

struct SExpected {
    size_t samples;
    uint64_t hash;
};

std::vector<SExpected> ReadExpected() {
    std::vector<SExpected> expected;
    std::ifstream in(kTestData + "voice/written_rules_pcm.txt");
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        SExpected e{};
        fields >> e.samples >> std::hex >> e.hash;
        expected.push_back(e);
    }
    return expected;
}

std::vector<std::string> ReadSentences() {
    std::vector<std::string> sentences;
    std::ifstream in(kTestData + "voice/public_sentences.txt");
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) sentences.push_back(line);
    return sentences;
}

TEST(WrittenRulesSound, EveryExtensionOffGivesTheWrittenRulesPcm) {
    if (!std::filesystem::exists(kVoiceDir + "pln_22.als")) GTEST_SKIP() << "no voice";
    const std::vector<std::string> sentences = ReadSentences();
    const std::vector<SExpected> expected = ReadExpected();
    ASSERT_EQ(sentences.size(), 30u);
    ASSERT_EQ(expected.size(), sentences.size());

    int status = 0;
    vokrant* voice = vokrant_new(kVoiceDir.c_str(), nullptr, &status);
    ASSERT_NE(voice, nullptr) << vokrant_last_error(nullptr);
    for (const auto& setting : kExtensionsOff)
        ASSERT_EQ(vokrant_set(voice, setting[0], setting[1]), VOKRANT_OK) << setting[0];
    for (size_t i = 0; i < sentences.size(); ++i) {
        std::vector<int16_t> pcm;
        auto collect = [](const vokrant_event* event, void* user) {
            auto& out = *static_cast<std::vector<int16_t>*>(user);
            if (event->type == VOKRANT_EVENT_AUDIO)
                out.insert(out.end(), event->samples, event->samples + event->sample_count);
            return 0;
        };
        ASSERT_EQ(vokrant_speak(voice, sentences[i].data(), sentences[i].size(), 0, collect, &pcm),
                  VOKRANT_OK);
        EXPECT_EQ(pcm.size(), expected[i].samples) << "sentence " << i + 1;
        EXPECT_EQ(Fnv1a64(pcm), expected[i].hash) << "sentence " << i + 1;
    }
    vokrant_free(voice);
}

}  // namespace
