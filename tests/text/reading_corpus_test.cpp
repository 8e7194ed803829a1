// The reading corpus (data/reading/corpus.tsv) spoken through `vokrant
// --words`: with the extended reading every row must sound as a Polish
// reader says it (one of the readings listed, separated by " | ", where
// Polish accepts more than one); switched off, with the dictionary shipped
// before it grew, every row must sound exactly as the plain rules read it.
// Needs the voice files in data/; skipped without them.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <cstdio>
#include <fstream>
#include <map>
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

// The number tables spell some numerals as they are pronounced
// ("pieńdziesiąt"); the corpus writes them as Polish spells them, and both
// sides are compared in that spelling.
std::string StandardSpelling(std::string words) {
    static const std::pair<const char*, const char*> kSpellings[] = {
        {"pieńdziesi", "pięćdziesi"}, {"sześdziesi", "sześćdziesi"},
        {"dziewieńdziesi", "dziewięćdziesi"}, {"pieńcet", "pięćset"},
        {"sześset", "sześćset"},    {"dziewieńcet", "dziewięćset"},
        {"pietna", "piętna"},       {"dziewietna", "dziewiętna"},
    };
    for (const auto& [pronounced, written] : kSpellings)
        for (size_t at = words.find(pronounced); at != std::string::npos;
             at = words.find(pronounced, at + 1))
            words.replace(at, std::string(pronounced).size(), written);
    return words;
}

// The accepted readings of a row.
std::vector<std::string> Variants(const std::string& extended) {
    std::vector<std::string> variants;
    size_t start = 0;
    for (;;) {
        const size_t bar = extended.find(" | ", start);
        variants.push_back(extended.substr(start, bar - start));
        if (bar == std::string::npos) return variants;
        start = bar + 3;
    }
}

bool IsAccepted(const std::string& heard, const std::string& extended) {
    for (const std::string& variant : Variants(extended))
        if (StandardSpelling(heard) == StandardSpelling(variant)) return true;
    return false;
}

TEST(ReadingCorpusTest, HasEnoughRowsInEveryGroup) {
    std::vector<SCorpusRow> rows = ReadCorpus();
    EXPECT_GE(rows.size(), 500u);
    std::map<std::string, int> perGroup;
    for (const SCorpusRow& row : rows) {
        EXPECT_FALSE(row.group.empty()) << row.text;
        EXPECT_FALSE(row.extended.empty()) << row.text;
        EXPECT_FALSE(row.plain.empty()) << row.text;
        for (const std::string& variant : Variants(row.extended))
            EXPECT_FALSE(variant.empty()) << row.text;
        ++perGroup[row.group];
    }
    for (const auto& [group, count] : perGroup) EXPECT_GE(count, 5) << group;
}

TEST(ReadingCorpusTest, VariantsSplitOnTheBar) {
    EXPECT_EQ(Variants("troje dzieci | trzy dzieci"),
              (std::vector<std::string>{"troje dzieci", "trzy dzieci"}));
    EXPECT_EQ(Variants("jedna"), std::vector<std::string>{"jedna"});
    EXPECT_TRUE(IsAccepted("trzy dzieci", "troje dzieci | trzy dzieci"));
    EXPECT_FALSE(IsAccepted("troje", "troje dzieci | trzy dzieci"));
    EXPECT_TRUE(IsAccepted("pieńdziesiąt pietnaście", "pięćdziesiąt piętnaście"));
    EXPECT_EQ(StandardSpelling("dziewieńcet sześdziesiąt"), "dziewięćset sześćdziesiąt");
}

TEST(ReadingCorpusTest, ExtendedReadingSoundsAsAPolishReaderSaysIt) {
    if (!VoicePresent()) GTEST_SKIP() << "no voice in " << kVoiceDir;
    std::vector<SCorpusRow> rows = ReadCorpus();
    std::vector<std::string> heard = HeardPerRow(rows, "--set ExtendedReading=Yes");
    std::map<std::string, std::pair<int, int>> score;  // group: accepted, rows
    for (size_t i = 0; i < rows.size(); ++i) {
        const bool accepted = IsAccepted(heard[i], rows[i].extended);
        EXPECT_TRUE(accepted) << rows[i].group << ": " << rows[i].text << "\n  heard:    "
                              << heard[i] << "\n  expected: " << rows[i].extended;
        auto& [good, all] = score[rows[i].group];
        good += accepted ? 1 : 0;
        ++all;
    }
    for (const auto& [group, counts] : score)
        std::printf("corpus %-10s %3d / %3d\n", group.c_str(), counts.first, counts.second);
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
