// What a listener hears for each KEY and CHAR message and for spelled SSML:
// the words the engine reads for the module's text (`vokrant --words`, the
// engine's own analyser), so an extra word, such as a spelled blank, shows.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "key_names.h"
#include "ssml_text.h"

namespace fs = std::filesystem;

namespace {

const std::string kVokrant = std::string(VOKRANT_BINARY_DIR) + "apps/vokrant/vokrant";
const std::string kVoiceDir = VOKRANT_SOURCE_DATA_DIR;

// The spoken words of a tagged text, joined by blanks.
std::string Heard(const std::string& tagged) {
    const fs::path dir =
        fs::temp_directory_path() / ("sd-vokrant-heard-" + std::to_string(getpid()));
    fs::create_directories(dir);
    const fs::path in = dir / "in.txt", out = dir / "out.txt";
    std::ofstream(in, std::ios::binary) << tagged;
    const std::string command =
        "VOKRANT_CONFIG_DIR='" + (dir / "config").string() + "' '" + kVokrant + "' --voice-dir '" +
        kVoiceDir + "' --words --tagged -f '" + in.string() + "' > '" + out.string() + "' 2>&1";
    const int status = std::system(command.c_str());
    std::ifstream report(out);
    std::stringstream all;
    all << report.rdbuf();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "<failed: " + all.str() + ">";
    static const std::regex kWord(
        R"re("text":"((?:[^"\\]|\\.)*)".*"hidden":(true|false),"control":(true|false))re");
    std::string heard;
    std::istringstream lines(all.str());
    for (std::string line; std::getline(lines, line);) {
        std::smatch match;
        if (!std::regex_search(line, match, kWord)) return "<unreadable: " + line + ">";
        if (match[2] == "true" || match[3] == "true" || match[1].length() == 0) continue;
        heard += (heard.empty() ? "" : " ") + match[1].str();
    }
    return heard;
}

class HeardWords : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(kVoiceDir + "pln_22.als")) GTEST_SKIP() << "no voice";
    }
};

// Each character by its Polish name and nothing after it; letter names as the
// voice's spelling table gives them, but ó, whose written name "u" cannot be
// told from u, said "o z kreską".
TEST_F(HeardWords, ACharacterIsItsNameAndNothingElse) {
    struct SCase {
        const char* character;
        bool sayCapital;
        const char* heard;
    };
    const SCase cases[] = {
        {"ż", false, "żet"},
        {"a", true, "a"},
        {"Ż", false, "żet"},
        {"Ż", true, "duże żet"},
        {"Ł", true, "duże eł"},
        {"B", true, "duże be"},
        {"ó", false, "o z kreską"},
        {"Ó", true, "duże o z kreską"},
        {"\\", false, "bekslesz"},
        {"space", false, "spacja"},
        {" ", false, "spacja"},
        {"7", false, "siedem"},
        {",", false, "przecinek"},
        {"_", false, "podkreślenie"},
        {"?", false, "znak zapytania"},
    };
    for (const SCase& c : cases)
        EXPECT_EQ(Heard(CharacterText(c.character, c.sayCapital)), c.heard) << c.character;
}

TEST_F(HeardWords, AKeyIsItsNameAndCombinationsJoinTheirParts) {
    struct SCase {
        const char* key;
        const char* heard;
    };
    const SCase cases[] = {
        {"a", "a"},
        {"ż", "żet"},
        {"\\", "bekslesz"},
        {"shift_a", "shift a"},
        {"shift_\\", "shift bekslesz"},
        {"control_alt_delete", "control alt delete"},
        {"space", "spacja"},
        {"_", "podkreślenie"},
        {"underscore", "podkreślnik"},
        {"double-quote", "cudzysłów"},
        {"next", "strona w dół"},
        {"kp-add", "plus numeryczny"},
    };
    for (const SCase& c : cases) EXPECT_EQ(Heard(KeyText(c.key)), c.heard) << c.key;
}

TEST_F(HeardWords, SpelledSsmlNamesItsCharactersOnly) {
    struct SCase {
        const char* ssml;
        const char* heard;
    };
    const SCase cases[] = {
        {"<say-as interpret-as=\"characters\">ab</say-as>", "a be"},
        {"Kot <say-as interpret-as=\"characters\">ó</say-as> pies", "kot o z kreską pies"},
        {"<say-as interpret-as=\"characters\">a\\b</say-as>", "a bekslesz be"},
    };
    for (const SCase& c : cases)
        EXPECT_EQ(Heard(SsmlToTaggedText(c.ssml, SSsmlState{}).text), c.heard) << c.ssml;
}

}  // namespace
