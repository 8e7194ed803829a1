// What the pages remember between events, shared by the Qt and Win32 sheets:
// trials that Cancel undoes, pause patterns OK rebuilds, the dictionary path
// a browse leaves, and entries that cannot be edited after a failed read.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/attribute.h"
#include "dialogs/dialog_strings.h"
#include "dialogs/dictionary_page_state.h"
#include "dialogs/engine_followers.h"
#include "dialogs/general_page_state.h"
#include "dialogs/test_speaker.h"
#include "engine/tts_engine.h"

namespace {

namespace fs = std::filesystem;
using V = SGeneralValue;

class SRecordingSpeaker : public STestSpeaker {
public:
    bool Speak(const std::string& text) override {
        spoken.push_back(text);
        return answer;
    }
    std::vector<std::string> spoken;
    bool answer = true;
};

TEST(GeneralPageState, TrialIsUndoneByCancelButNotAfterOk) {
    SAttribute settings;
    SGeneralPageState state(settings);
    SRecordingSpeaker speaker;
    state.SliderCameToRest(V::Speed, 150);
    state.SliderCameToRest(V::Volume, 100);
    EXPECT_TRUE(state.Test(&speaker, "abc"));
    EXPECT_EQ(speaker.spoken, std::vector<std::string>{"abc"});
    EXPECT_EQ(settings.speed, 150);
    EXPECT_EQ(settings.volume, 65500u);
    state.SliderCameToRest(V::Speed, 100);
    speaker.answer = false;
    EXPECT_FALSE(state.Test(&speaker, "x"));  // a second trial keeps the first snapshot
    EXPECT_FALSE(state.Test(nullptr, "x"));   // no speaker: stored, nothing spoken
    EXPECT_EQ(settings.speed, 100);
    state.Cancel();
    EXPECT_EQ(settings.speed, 80);
    EXPECT_EQ(settings.pitch, 160);

    state.Test(nullptr, "x");
    state.Ok();
    state.Cancel();  // nothing left to undo
    EXPECT_EQ(settings.speed, 100);
    EXPECT_EQ(settings.volume, 65535u);
}

TEST(GeneralPageState, OkRebuildsPausesATrialChanged) {
    SAttribute settings;
    SGeneralPageState state(settings);
    state.SliderCameToRest(V::PauseInterWord, 20);
    state.Test(nullptr, "");
    // The record already holds 200 ms from the trial, the patterns do not.
    EXPECT_EQ(state.Ok(), std::vector<int>{107});
    EXPECT_TRUE(state.Ok().empty());
    state.Defaults();
    EXPECT_EQ(state.Values()[V::PauseInterWord], 70);
    EXPECT_EQ(state.Ok(), std::vector<int>{107});
}

class DictionaryPageStateTest : public testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("vokrant-page-state-" +
                std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        settings_.workDir = dir_.string() + "/";
    }
    void TearDown() override { fs::remove_all(dir_); }
    std::string PathOf(const char* name) const { return (dir_ / name).string(); }
    static void Spit(const std::string& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    static std::string Slurp(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    fs::path dir_;
    SAttribute settings_;
};

TEST_F(DictionaryPageStateTest, StartDirectoryAndTheUseSwitch) {
    const struct {
        const char* path;
        bool enabled;
        bool inWorkDir;
    } cases[] = {{"", false, true}, {"client.exp", true, true}, {"/x/y/client.exp", true, false}};
    for (const auto& c : cases) {
        settings_.extDict = c.path;
        SDictionaryPageState state(settings_);
        EXPECT_EQ(state.UseBoxEnabled(), c.enabled) << c.path;
        EXPECT_EQ(state.StartDirectory(), c.inWorkDir ? settings_.workDir : std::string("/x/y/"))
            << c.path;
    }
}

TEST_F(DictionaryPageStateTest, ChosenFileIsCheckedAndItsEntriesRead) {
    const std::string first = PathOf("first.exp"), second = PathOf("second.exp");
    Spit(first, "abc a\n");
    Spit(second, "xyz x\n");
    settings_.extDict = first;
    SDictionaryPageState state(settings_);
    state.ReadEntries();
    std::vector<std::string> checked;
    bool accept = true;
    state.SetDictionaryCheck([&](const std::string& path) {
        checked.push_back(path);
        return accept;
    });
    state.TakeChosenFile(second);
    EXPECT_EQ(state.Path(), second);
    EXPECT_TRUE(state.Entries().Contains("xyz"));
    EXPECT_FALSE(state.Entries().Contains("abc"));
    accept = false;
    state.TakeChosenFile(first);
    EXPECT_EQ(checked, (std::vector<std::string>{second, first}));
    EXPECT_TRUE(state.Path().empty());
    EXPECT_FALSE(state.UseBoxEnabled());
    EXPECT_FALSE(state.Ok());  // no path: nothing written
    EXPECT_EQ(Slurp(first), "abc a\n");
    EXPECT_EQ(settings_.extDict, "");
}

TEST_F(DictionaryPageStateTest, UnreadableFileCannotBeEditedOrWritten) {
    const std::string file = PathOf("client.exp");
    fs::create_directories(file);
    settings_.extDict = file;
    settings_.useExtDict = false;
    SDictionaryPageState state(settings_);
    state.ReadEntries();
    EXPECT_FALSE(state.EntriesEditable());
    EXPECT_FALSE(state.Add("abc", "def"));
    EXPECT_FALSE(state.Remove("abc"));
    state.SetUseDictionary(true);
    EXPECT_FALSE(state.Ok());
    EXPECT_TRUE(fs::is_directory(file));
    EXPECT_TRUE(settings_.useExtDict);  // the switch and path are still stored
}

TEST_F(DictionaryPageStateTest, OkWritesTheEditedEntries) {
    const std::string file = PathOf("client.exp");  // missing: created by OK
    settings_.extDict = file;
    SDictionaryPageState state(settings_);
    state.ReadEntries();
    EXPECT_TRUE(state.EntriesEditable());
    EXPECT_TRUE(state.Add("zeta", "z"));
    EXPECT_TRUE(state.Add("alfa", "a b"));
    EXPECT_FALSE(state.Add("two words", "x"));
    EXPECT_TRUE(state.Remove("zeta"));
    EXPECT_TRUE(state.Ok());
    EXPECT_EQ(Slurp(file), "alfa\t\ta b\n");
}

TEST(OpenFileNameFilter, PairsEndedByNulsAndTheListByOneMore) {
    using namespace std::string_literals;
    const struct {
        const char* bars;
        std::string expected;
    } cases[] = {
        {"Słownik (*.exp) |*.exp| Wszystkie pliki (*.*) |*.*||",
         "Słownik (*.exp)\0*.exp\0Wszystkie pliki (*.*)\0*.*\0\0"s},
        {"Tylko |*.exp", "Tylko\0*.exp\0\0"s},
        {"bez wzorca||", "\0"s},
        {"", "\0"s},
    };
    for (const auto& c : cases) EXPECT_EQ(OpenFileNameFilter(c.bars), c.expected) << c.bars;
}

TEST(EngineFollowers, NothingToFollowWithoutAnEngine) {
    SAttribute settings;
    EXPECT_FALSE(PauseRefresherFor(nullptr));
    EXPECT_FALSE(DictionaryReloaderFor(nullptr, settings));
    STtsEngine engine(nullptr, &settings);
    EXPECT_TRUE(PauseRefresherFor(&engine));
    EXPECT_TRUE(DictionaryReloaderFor(&engine, settings));
}

}  // namespace
