// vokrant speaks through the Speech API component; its WAV must carry the
// very samples the engine renders for the same text, and --marks must list
// the words in order.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "core/attribute.h"
#include "core/audio_dest.h"
#include "engine/tts_engine.h"
#include "platform/codepage.h"

namespace fs = std::filesystem;

namespace {

const std::string kVokrant = std::string(VOKRANT_BINARY_DIR) + "apps/vokrant/vokrant";
const std::string kVoiceDir = VOKRANT_SOURCE_DATA_DIR;

class SCollect : public SAudioDest {
public:
    uint32_t FreeSpace() override { return 1u << 30; }
    bool DataSet(const void* data, uint32_t bytes) override {
        bytes_.append(static_cast<const char*>(data), bytes);
        return true;
    }
    bool BookMark(uint32_t) override { return true; }
    std::string bytes_;
};

// The engine's own rendering of a text, with the settings the tests use.
std::string RenderDirectly(const std::string& utf8) {
    SAttributeSAPI settings(nullptr);
    settings.workDir = kVoiceDir;
    settings.extDict = kVoiceDir + "client.exp";
    SCollect dest;
    STtsEngine engine(&dest, &settings);
    EXPECT_EQ(engine.Load(0), 0);
    for (int id = 106; id <= 109; ++id) engine.RefreshPausePattern(id);
    engine.StartRequest(std::string_view(Utf8ToCp1250(utf8)));
    while (engine.SpeakStep(true, false) == STtsEngine::kDestinationFull) {
    }
    return dest.bytes_;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(ComponentAudio, WavCarriesTheEngineSamplesAndMarksListTheWordsInOrder) {
    if (!fs::exists(kVoiceDir + "pln_22.als")) GTEST_SKIP() << "no voice";
    const std::string text = "Dzieci bawiły się w ogrodzie, a dziadek czytał gazetę. Mam 25 lat.";
    fs::path dir = fs::temp_directory_path() / ("vokrant-component-" + std::to_string(getpid()));
    fs::create_directories(dir);
    std::string command = "VOKRANT_CONFIG_DIR='" + (dir / "config").string() + "' '" + kVokrant +
                          "' --voice-dir '" + kVoiceDir + "' --marks -o '" +
                          (dir / "x.wav").string() + "' '" + text + "' > '" +
                          (dir / "marks").string() + "'";
    int raw = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(raw) && WEXITSTATUS(raw) == 0);
    std::string wav = ReadFile(dir / "x.wav");
    std::string marks = ReadFile(dir / "marks");
    fs::remove_all(dir);
    ASSERT_GT(wav.size(), 44u);
    EXPECT_TRUE(wav.substr(44) == RenderDirectly(text)) << "the component changed the samples";

    std::regex word(R"re(\{"byte":(\d+),"ms":\d+,"type":"word","value":(\d+)\})re");
    std::vector<unsigned long> offsets, bytes;
    for (std::sregex_iterator it(marks.begin(), marks.end(), word), end; it != end; ++it) {
        bytes.push_back(std::stoul((*it)[1]));
        offsets.push_back(std::stoul((*it)[2]));
    }
    ASSERT_GE(offsets.size(), 10u);
    for (size_t i = 1; i < offsets.size(); ++i) {
        // A number read as several words marks each at its own offset.
        EXPECT_GE(offsets[i], offsets[i - 1]) << "words come in text order";
        EXPECT_GE(bytes[i], bytes[i - 1]) << "and in stream order";
    }
    EXPECT_EQ(offsets.front(), 0u);
}

}  // namespace
