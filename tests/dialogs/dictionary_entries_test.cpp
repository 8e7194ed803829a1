// The Dictionary page's entries: reading the file, editing, writing it back
// atomically and never over a file that could not be read.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "dialogs/dictionary_entries.h"

namespace {

namespace fs = std::filesystem;

std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void Spit(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class DictionaryEntriesTest : public testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("vokrant-dict-" +
                std::string(testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
                std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
};

TEST(DictionaryLines, KeyAndReplacement) {
    const struct {
        const char* line;
        const char* key;
        const char* replacement;  // nullptr: the line adds nothing
    } cases[] = {
        {"abc  def ghi", "abc", "def ghi"},
        {"abc\t\tdef ghi", "abc", "def ghi"},
        {"kg kilogram\xF3w\r", "kg", "kilogram\xF3w"},
        {"dr. doktor  ", "dr.", "doktor"},
        {"KEY", "KEY", ""},
        {" abc x", nullptr, nullptr},
        {"\tabc x", nullptr, nullptr},
        {"", nullptr, nullptr},
        {"\r", nullptr, nullptr},
    };
    for (const auto& c : cases) {
        SDictionaryEntries entries;
        entries.Parse(c.line);
        if (!c.key) {
            EXPECT_TRUE(entries.Entries().empty()) << c.line;
            continue;
        }
        ASSERT_EQ(entries.Entries().size(), 1u) << c.line;
        EXPECT_EQ(entries.Entries().begin()->first, c.key) << c.line;
        EXPECT_EQ(entries.Entries().begin()->second, c.replacement) << c.line;
    }
}

TEST(DictionaryLines, LaterKeyWinsAndKeysAreSorted) {
    SDictionaryEntries entries;
    entries.Parse("zebra z\nabc first\n\n  indented x\nabc second\nMoc m");
    ASSERT_EQ(entries.Entries().size(), 3u);
    EXPECT_EQ(entries.Replacement("abc"), "second");
    EXPECT_EQ(entries.Format(), "Moc\t\tm\nabc\t\tsecond\nzebra\t\tz\n");
}

TEST(DictionaryLines, EditsKeepTheFileShape) {
    SDictionaryEntries entries;
    EXPECT_FALSE(entries.Set("", "x"));
    EXPECT_FALSE(entries.Set("two words", "x"));
    EXPECT_TRUE(entries.Set("np.",
                            "  na przyk\xB3"
                            "ad\nczy nie "));
    EXPECT_EQ(entries.Replacement("np."),
              "na przyk\xB3"
              "ad czy nie");
    EXPECT_TRUE(entries.Remove("np."));
    EXPECT_FALSE(entries.Remove("np."));
}

TEST_F(DictionaryEntriesTest, RoundTrip) {
    const fs::path file = dir_ / "client.exp";
    Spit(file,
         "kg kilogram\xF3w\r\nnp.\tna przyk\xB3"
         "ad\n");
    SDictionaryEntries entries;
    EXPECT_EQ(entries.Read(file.string()), SDictionaryEntries::ReadResult::Read);
    EXPECT_TRUE(entries.Set("dr.", "doktor"));
    ASSERT_TRUE(entries.Write(file.string()));
    EXPECT_EQ(Slurp(file),
              "dr.\t\tdoktor\nkg\t\tkilogram\xF3w\nnp.\t\tna przyk\xB3"
              "ad\n");
    SDictionaryEntries again;
    again.Read(file.string());
    EXPECT_EQ(again.Entries(), entries.Entries());
    // Nothing but the file itself is left in the directory.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
}

TEST_F(DictionaryEntriesTest, MissingFileIsCreated) {
    const fs::path file = dir_ / "new.exp";
    SDictionaryEntries entries;
    EXPECT_EQ(entries.Read(file.string()), SDictionaryEntries::ReadResult::Missing);
    entries.Set("abc", "def");
    EXPECT_TRUE(entries.Write(file.string()));
    EXPECT_EQ(Slurp(file), "abc\t\tdef\n");
}

TEST_F(DictionaryEntriesTest, UnreadableFileIsLeftUntouched) {
    // A directory in place of the file: it exists, and reading it fails.
    const fs::path unreadable = dir_ / "client.exp";
    fs::create_directories(unreadable);
    Spit(unreadable / "inside", "kept");
    SDictionaryEntries entries;
    EXPECT_EQ(entries.Read(unreadable.string()), SDictionaryEntries::ReadResult::Failed);
    entries.Set("abc", "def");
    EXPECT_FALSE(entries.Write(unreadable.string()));
    EXPECT_TRUE(fs::is_directory(unreadable));
    EXPECT_EQ(Slurp(unreadable / "inside"), "kept");
    // Another path may still be written.
    EXPECT_TRUE(entries.Write((dir_ / "other.exp").string()));
}

TEST_F(DictionaryEntriesTest, WriteFailsCleanlyWithoutDirectoryOrPath) {
    const fs::path file = dir_ / "gone" / "client.exp";  // no such directory
    SDictionaryEntries entries;
    entries.Set("abc", "def");
    EXPECT_FALSE(entries.Write(file.string()));
    EXPECT_FALSE(entries.Write(""));
}

}  // namespace
