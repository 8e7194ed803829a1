// The user dictionary: file format, load rules and lookups.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "recording_sink.h"
#include "text/dictionary.h"

namespace {

std::string Replacement(const SDictionary& dictionary, const char* word) {
    const std::string* found = dictionary.FindReplacement(Cp(word));
    return found ? Cp1250ToUtf8(*found) : "(none)";
}

TEST(DictionaryTest, LineFormat) {
    SDictionary dictionary;
    dictionary.Parse(
        Cp("kg kilogramów\n"
           "dr. doktor\r\n"
           "np.\t  na przykład  \n"
           " wcięty wiersz\n"
           "\n"
           "KEY\n"
           "pusty   \r\n"
           "kot pies\n"
           "kot kotek\n"
           "ostatni bez końca linii"));
    EXPECT_EQ(Replacement(dictionary, "kg"), "kilogramów");
    EXPECT_EQ(Replacement(dictionary, "dr."), "doktor");
    EXPECT_EQ(Replacement(dictionary, "np."), "na przykład");
    EXPECT_EQ(Replacement(dictionary, "wcięty"), "(none)");
    EXPECT_EQ(Replacement(dictionary, "KEY"), "(none)");
    EXPECT_EQ(Replacement(dictionary, "pusty"), "(none)");
    EXPECT_EQ(Replacement(dictionary, "kot"), "kotek");
    EXPECT_EQ(Replacement(dictionary, "ostatni"), "bez końca linii");
    EXPECT_EQ(dictionary.GetCount(), 5);
}

TEST(DictionaryTest, CapitalFallsBackToLowerCaseEntryOnly) {
    SDictionary dictionary;
    dictionary.Parse(Cp("kot pies\nŁódź miasto\nPan pan\n"));
    EXPECT_EQ(Replacement(dictionary, "Kot"), "pies");
    EXPECT_EQ(Replacement(dictionary, "KOT"), "(none)");
    EXPECT_EQ(Replacement(dictionary, "łódź"), "(none)");
    EXPECT_EQ(Replacement(dictionary, "pan"), "(none)");
    EXPECT_EQ(Replacement(dictionary, ""), "(none)");
}

TEST(DictionaryTest, LongLinesContinueAsNewLines) {
    SDictionary dictionary;
    std::string line = "klucz " + std::string(1013, 'x') + "druga wartosc\n";
    dictionary.Parse(line);
    ASSERT_EQ(dictionary.GetCount(), 2);
    EXPECT_EQ(dictionary.ValueAt(0).size(), 1013u);
    EXPECT_EQ(Replacement(dictionary, "druga"), "wartosc");
}

class DictionaryFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        directory_ = std::filesystem::path(VOKRANT_BINARY_DIR) / "readers-dictionary";
        std::filesystem::create_directories(directory_);
    }
    std::string Write(const char* name, const std::string& content) {
        std::ofstream(directory_ / name, std::ios::binary) << content;
        return name;
    }
    std::filesystem::path directory_;
};

TEST_F(DictionaryFileTest, LoadsFromDirectoryAndEmptiesFirst) {
    SDictionary dictionary;
    dictionary.Set("stary", "wpis");
    Write("a.exp", "kg kilogram\n");
    EXPECT_TRUE(dictionary.Load("a.exp", directory_.string()));
    EXPECT_EQ(dictionary.Find("stary"), -1);
    EXPECT_EQ(Replacement(dictionary, "kg"), "kilogram");
    EXPECT_TRUE(dictionary.Load((directory_ / "a.exp").string(), "/nonexistent"));
    EXPECT_TRUE(dictionary.Load("a.exp", directory_.string() + "/"));
}

TEST_F(DictionaryFileTest, MissingOrNonRegularFilesLeaveItEmpty) {
    SDictionary dictionary;
    dictionary.Set("stary", "wpis");
    EXPECT_FALSE(dictionary.Load("brak.exp", directory_.string()));
    EXPECT_EQ(dictionary.GetCount(), 0);
    EXPECT_FALSE(dictionary.Load(directory_.string(), ""));
    EXPECT_FALSE(dictionary.Load("", ""));
}

TEST(DictionaryTest, PathResolution) {
    EXPECT_EQ(SDictionary::ResolvePath("client.exp", "/data"), "/data/client.exp");
    EXPECT_EQ(SDictionary::ResolvePath("client.exp", "/data/"), "/data/client.exp");
    EXPECT_EQ(SDictionary::ResolvePath("/etc/x.exp", "/data"), "/etc/x.exp");
    EXPECT_EQ(SDictionary::ResolvePath("sub/x.exp", "/data"), "sub/x.exp");
    EXPECT_EQ(SDictionary::ResolvePath("client.exp", ""), "client.exp");
}

TEST(DictionaryTest, ShippedExampleLoads) {
    SDictionary dictionary;
    ASSERT_TRUE(dictionary.Load("client.exp", VOKRANT_SOURCE_DATA_DIR));
    EXPECT_GT(dictionary.GetCount(), 3);
    EXPECT_EQ(Replacement(dictionary, "np."), "na przykład");
}

}  // namespace
