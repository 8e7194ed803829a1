// The vokrant command speaks long input in pieces; what it writes is the
// sound of the whole text spoken at once (here through the C interface,
// which speaks exactly as the command does), and its word marks count from
// the start of the whole text.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "capi_speaking.h"
#include "vokrant/vokrant.h"

namespace fs = std::filesystem;

namespace {

using namespace capi_test;

const std::string kVokrant = std::string(VOKRANT_BINARY_DIR) + "apps/vokrant/vokrant";

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Lines that end sentences in every way the engine knows, and some that
// do not end them: an abbreviation at a line end, numbers, a bare line.
std::string LongText(bool tagged) {
    const char* const lines[] = {
        "Dzień dobry, jak się masz?\n",
        "Spotkanie jest 12.03.2027 o 14:30, sala 2b.\n",
        "Przyszedł prof.\nNowak i powiedział: dzień dobry!\n\n\n",
        "Linia bez kropki na końcu\n",
        "  \t Wcięta linia z liczbą 1234567 i datą 3 maja 1791 r.\n",
        "Ala ma kota... a kot ma Alę?!\n",
    };
    std::string text;
    for (int round = 0; text.size() < 9000; ++round) {
        for (const char* line : lines) text += line;
        if (tagged) text += round % 2 ? "\\Spd=120\\ Szybciej.\n" : "Wolniej \\Spd=70\\ teraz.\n";
        text += "Runda " + std::to_string(round) + ".\n";
    }
    return text;
}

struct SCommandRun {
    std::vector<int16_t> pcm;
    std::vector<int64_t> wordOffsets;  // characters
};

SCommandRun RunCommand(const std::string& text, bool tagged) {
    const fs::path dir = fs::temp_directory_path() / ("vokrant-pieces-" + std::to_string(getpid()));
    fs::create_directories(dir);
    std::ofstream(dir / "in.txt", std::ios::binary) << text;
    const std::string command = "VOKRANT_CONFIG_DIR='" + (dir / "config").string() + "' '" +
                                kVokrant + "' --voice-dir '" + kVoiceDir + "' " +
                                (tagged ? "--tagged " : "") + "--marks -o '" +
                                (dir / "out.wav").string() + "' < '" + (dir / "in.txt").string() +
                                "' > '" + (dir / "marks.txt").string() + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    SCommandRun run;
    const std::string wav = ReadFile(dir / "out.wav");
    if (wav.size() > 44) {
        run.pcm.resize((wav.size() - 44) / 2);
        std::memcpy(run.pcm.data(), wav.data() + 44, run.pcm.size() * 2);
    }
    std::ifstream marks(dir / "marks.txt");
    const std::regex word(R"re(\{"byte":\d+,"ms":\d+,"type":"word","value":(\d+)\})re");
    for (std::string line; std::getline(marks, line);) {
        std::smatch m;
        if (std::regex_match(line, m, word)) run.wordOffsets.push_back(std::stoll(m[1]));
    }
    fs::remove_all(dir);
    return run;
}

class CommandPiecesTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!VoicePresent()) GTEST_SKIP() << "no voice in " << kVoiceDir;
        if (!fs::exists(kVokrant)) GTEST_SKIP() << "vokrant not built";
    }
};

TEST_F(CommandPiecesTest, PiecesSoundLikeTheWholeText) {
    for (bool tagged : {false, true}) {
        SCOPED_TRACE(tagged ? "tagged" : "plain");
        const std::string text = LongText(tagged);
        ASSERT_GT(text.size(), 2 * 4096u) << "the text must make several pieces";
        SHandle whole;
        const SSpoken spoken = whole.Speak(text, tagged ? VOKRANT_TEXT_TAGGED : 0);
        ASSERT_EQ(spoken.status, VOKRANT_OK);
        const SCommandRun run = RunCommand(text, tagged);
        ASSERT_FALSE(run.pcm.empty());
        EXPECT_EQ(run.pcm.size(), spoken.pcm.size());
        EXPECT_TRUE(run.pcm == spoken.pcm) << "the sound differs";
        // The text is ASCII but for its Polish letters (two bytes each in UTF-8):
        // compare offsets as characters.
        std::vector<int64_t> characterOf(text.size() + 1, -1);
        int64_t characters = 0;
        for (size_t i = 0; i < text.size(); ++i)
            if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) characterOf[i] = characters++;
        std::vector<int64_t> expected;
        for (const SMark& mark : spoken.marks)
            if (mark.type == "word") expected.push_back(characterOf.at(mark.value));
        EXPECT_EQ(run.wordOffsets, expected);
    }
}

}  // namespace
