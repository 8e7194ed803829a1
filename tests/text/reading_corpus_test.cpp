// The reading corpus (data/reading/corpus.tsv) spoken through `vokrant
// --words`: with the extended reading every row must sound as a Polish
// reader says it; switched off, with the dictionary shipped before it grew,
// every row must sound exactly as the plain rules read it. Needs the voice
// files in data/; skipped without them.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::string kVoiceDir = VOKRANT_SOURCE_DATA_DIR;
const std::string kReadingDir = std::string(VOKRANT_TEST_DATA_DIR) + "reading/";

struct SCorpusRow {
    std::string group, text, extended, plain, comment;
};

std::vector<SCorpusRow> ReadCorpus() {
    std::vector<SCorpusRow> rows;
    std::ifstream in(kReadingDir + "corpus.tsv");
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> fields;
        std::stringstream split(line);
        for (std::string field; std::getline(split, field, '\t');) fields.push_back(field);
        fields.resize(5);
        rows.push_back({fields[0], fields[1], fields[2], fields[3], fields[4]});
    }
    return rows;
}

size_t CharacterCount(const std::string& utf8) {
    size_t count = 0;
    for (unsigned char c : utf8) count += (c & 0xC0) != 0x80 ? 1 : 0;
    return count;
}

bool HasLetter(const std::string& utf8) {
    for (unsigned char c : utf8)
        if (std::isalpha(c) || c >= 0x80) return true;
    return false;
}

// One vokrant run over all rows, one a line; every visible word with a
// letter goes to the row whose text holds its offset.
std::vector<std::string> HeardPerRow(const std::vector<SCorpusRow>& rows,
                                     const std::string& options) {
    fs::path dir = fs::temp_directory_path() / ("vokrant-corpus-" + std::to_string(getpid()));
    fs::create_directories(dir);
    std::vector<size_t> starts;
    {
        std::ofstream in(dir / "in.txt", std::ios::binary);
        size_t at = 0;
        for (const SCorpusRow& row : rows) {
            starts.push_back(at);
            in << row.text << '\n';
            at += CharacterCount(row.text) + 1;
        }
    }
    std::string command = "VOKRANT_CONFIG_DIR='" + (dir / "config").string() + "' '" +
                          VOKRANT_BINARY_DIR + "apps/vokrant/vokrant' --voice-dir '" + kVoiceDir +
                          "' --words " + options + " < '" + (dir / "in.txt").string() + "' > '" +
                          (dir / "out.txt").string() + "'";
    std::vector<std::string> heard(rows.size());
    if (std::system(command.c_str()) != 0) return heard;
    static const std::regex word(
        R"re("text":"([^"\\]*)","source":.*"offset":(\d+),"hidden":(true|false),"control":(true|false))re");
    std::ifstream out(dir / "out.txt");
    std::smatch match;
    for (std::string line; std::getline(out, line);) {
        if (!std::regex_search(line, match, word) || match[3] == "true" || match[4] == "true")
            continue;
        std::stringstream words(match[1].str());
        const size_t offset = std::stoul(match[2].str());
        size_t row = 0;
        while (row + 1 < starts.size() && starts[row + 1] <= offset) ++row;
        for (std::string w; words >> w;)
            if (HasLetter(w)) heard[row] += (heard[row].empty() ? "" : " ") + w;
    }
    fs::remove_all(dir);
    return heard;
}

bool VoicePresent() {
    return fs::exists(kVoiceDir + "pln_22.als") && fs::exists(kVoiceDir + "pln_11.als");
}

TEST(ReadingCorpusTest, HasEnoughRowsInEveryGroup) {
    std::vector<SCorpusRow> rows = ReadCorpus();
    EXPECT_GE(rows.size(), 150u);
    for (const SCorpusRow& row : rows) {
        EXPECT_FALSE(row.extended.empty()) << row.text;
        EXPECT_FALSE(row.plain.empty()) << row.text;
    }
}

TEST(ReadingCorpusTest, ExtendedReadingSoundsAsAPolishReaderSaysIt) {
    if (!VoicePresent()) GTEST_SKIP() << "no voice in " << kVoiceDir;
    std::vector<SCorpusRow> rows = ReadCorpus();
    std::vector<std::string> heard = HeardPerRow(rows, "--set ExtendedReading=Yes");
    for (size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(heard[i], rows[i].extended) << rows[i].group << ": " << rows[i].text;
}

TEST(ReadingCorpusTest, SwitchedOffEveryRowReadsAsThePlainRulesDo) {
    if (!VoicePresent()) GTEST_SKIP() << "no voice in " << kVoiceDir;
    std::vector<SCorpusRow> rows = ReadCorpus();
    std::vector<std::string> heard = HeardPerRow(
        rows, "--set ExtendedReading=No --set ExtDict='" + kReadingDir + "client-plain.exp'");
    for (size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(heard[i], rows[i].plain) << rows[i].group << ": " << rows[i].text;
}

}  // namespace
