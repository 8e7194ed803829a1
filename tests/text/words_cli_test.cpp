// The normaliser corpus spoken end to end through `vokrant --words`, with
// settings changed by --set and tags switched on by --tagged. Needs the
// voice files in data/; skipped without them.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

namespace fs = std::filesystem;

namespace {

const std::string kVoiceDir = VOKRANT_SOURCE_DATA_DIR;

bool VoicePresent() {
    return fs::exists(kVoiceDir + "pln_22.als") && fs::exists(kVoiceDir + "pln_11.als");
}

// The visible word texts that `vokrant --words` reports, joined by blanks.
std::string HeardWords(const std::string& options, const std::string& text) {
    fs::path dir = fs::temp_directory_path() / ("vokrant-readers-" + std::to_string(getpid()));
    fs::create_directories(dir);
    std::ofstream(dir / "in.txt", std::ios::binary) << text;
    std::string command = "VOKRANT_CONFIG_DIR='" + (dir / "config").string() + "' '" +
                          VOKRANT_BINARY_DIR + "apps/vokrant/vokrant' --voice-dir '" + kVoiceDir +
                          "' --words --set ExtendedReading=No " + options + " < '" +
                          (dir / "in.txt").string() + "' > '" + (dir / "out.txt").string() + "'";
    if (std::system(command.c_str()) != 0) return "(failed)";
    std::ifstream out(dir / "out.txt");
    static const std::regex word(R"re("text":"([^"\\]*)".*"hidden":false)re");
    std::string heard, line;
    std::smatch match;
    while (std::getline(out, line))
        if (std::regex_search(line, match, word) && !match[1].str().empty())
            heard += (heard.empty() ? "" : " ") + match[1].str();
    return heard;
}

struct SWordsCase {
    const char* options;
    const char* text;
    const char* heard;
};

TEST(WordsCommandTest, CorpusThroughTheCommandLine) {
    if (!VoicePresent()) GTEST_SKIP() << "no voice in " << kVoiceDir;
    const SWordsCase cases[] = {
        {"", "Pociąg odjeżdża o 7:05 z peronu 2.",
         "pociąg odjeżdża o siódma zero pięć z peronu dwa"},
        {"--set ColloquialTime=Yes", "Pociąg odjeżdża o 7:05.",
         "pociąg odjeżdża o pięć minut po siódmej"},
        {"", "Kontakt: www.firma.pl", "kontakt : wuwu wu kropka firma kropka peel"},
        {"--set ConvertURL=No", "Kontakt: www.firma.pl", "kontakt : wu wu wu . firma . pe el"},
        {"--tagged", "Raz \\Spd=120\\ dwa", "raz dwa"},
        {"--set ConvertNumber=No", "Cena 3,14", "cena trzy oraz jeden cztery"},
        {"--set ConvertAbbrev=No", "Jedzie PKP", "jedzie pkp"},
        {"", "Jedzie PKP", "jedzie pe ka pe"},
    };
    for (const SWordsCase& c : cases)
        EXPECT_EQ(HeardWords(c.options, c.text).rfind(c.heard, 0), 0u)
            << c.options << " " << c.text << " -> " << HeardWords(c.options, c.text);
}

}  // namespace
