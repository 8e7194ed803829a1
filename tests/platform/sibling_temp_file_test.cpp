// Temporary files beside a target: their exact name pattern, committing and
// discarding, the removal of what a killed writer left (and of nothing
// else), and the list of temporaries an interruption removes.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "platform/interrupt_cleanup.h"
#include "platform/sibling_temp_file.h"

namespace {

namespace fs = std::filesystem;

std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::set<std::string> Listing(const fs::path& dir) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) names.insert(entry.path().filename());
    return names;
}

class SiblingTempFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("vokrant-sibling-" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        target_ = (dir_ / "mowa.wav").string();
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
    std::string target_;
};

TEST(SiblingTempNameTest, OnlyTheExactPatternOfTheSameTargetMatches) {
    struct Case {
        const char* file;
        const char* target;
        bool matches;
    };
    const Case cases[] = {
        {"mowa.wav.vokrant-a1B2c3.tmp", "mowa.wav", true},
        {"mowa.wav.vokrant-ZZZZZZ.tmp", "mowa.wav", true},
        {"user.reg.vokrant-000000.tmp", "user.reg", true},
        {"mowa.wav.vokrant-a1B2c.tmp", "mowa.wav", false},    // five
        {"mowa.wav.vokrant-a1B2c3d.tmp", "mowa.wav", false},  // seven
        {"mowa.wav.vokrant-a1-2c3.tmp", "mowa.wav", false},
        {"mowa.wav.vokrant-a1 2c3.tmp", "mowa.wav", false},
        {"mowa.wav.vokrant-a1B2c3.TMP", "mowa.wav", false},
        {"mowa.wav.vokrant-a1B2c3.tmp~", "mowa.wav", false},
        {"mowa.wav.a1B2c3", "mowa.wav", false},
        {"xmowa.wav.vokrant-a1B2c3.tmp", "mowa.wav", false},
        {"mowa.wav.vokrant-a1B2c3.tmp", "owa.wav", false},
        {"mowa.wav.vokrant-a1B2c3.tmp", "mowa.wa", false},
        {".vokrant-a1B2c3.tmp", "", false},
        {"mowa.wav", "mowa.wav", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsSiblingTempName(c.file, c.target), c.matches) << c.file << " of " << c.target;
}

TEST_F(SiblingTempFileTest, CommitReplacesTheTargetAndLeavesOnlyIt) {
    std::ofstream(target_) << "old";
    std::string temp;
    std::FILE* file = CreateSiblingTempFile(target_, &temp);
    ASSERT_NE(file, nullptr);
    EXPECT_TRUE(IsSiblingTempName(fs::path(temp).filename(), "mowa.wav")) << temp;
    EXPECT_EQ(fs::path(temp).parent_path(), dir_);
    ASSERT_GE(std::fputs("new", file), 0);
    ASSERT_TRUE(CommitSiblingTempFile(file, temp, target_));
    EXPECT_EQ(Slurp(target_), "new");
    EXPECT_EQ(Listing(dir_), std::set<std::string>{"mowa.wav"});
}

TEST_F(SiblingTempFileTest, DiscardRemovesTheTemporaryFileAndKeepsTheTarget) {
    std::ofstream(target_) << "old";
    std::string temp;
    std::FILE* file = CreateSiblingTempFile(target_, &temp);
    ASSERT_NE(file, nullptr);
    std::fputs("half", file);
    DiscardSiblingTempFile(file, temp);
    EXPECT_EQ(Slurp(target_), "old");
    EXPECT_EQ(Listing(dir_), std::set<std::string>{"mowa.wav"});
}

TEST_F(SiblingTempFileTest, AFailedCommitRemovesTheTemporaryFile) {
    fs::create_directories(dir_ / "mowa.wav" / "inside");  // a folder cannot be replaced
    std::string temp;
    std::FILE* file = CreateSiblingTempFile(target_, &temp);
    ASSERT_NE(file, nullptr);
    EXPECT_FALSE(CommitSiblingTempFile(file, temp, target_));
    EXPECT_EQ(Listing(dir_), std::set<std::string>{"mowa.wav"});
}

TEST_F(SiblingTempFileTest, AKilledWritersFileIsRemovedByTheNextWriterButALiveOneIsNot) {
    // A writer in another process, killed outright while its file is open.
    pid_t pid = fork();
    if (pid == 0) {
        std::string temp;
        std::FILE* file = CreateSiblingTempFile(target_, &temp);
        if (file != nullptr) std::fputs("half", file), std::fflush(file);
        raise(SIGKILL);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    ASSERT_EQ(Listing(dir_).size(), 1u) << "the killed writer's file is left";
    const std::string killed = *Listing(dir_).begin();

    // A live writer (flock is per open file, so one in this process counts as another).
    std::string liveTemp;
    std::FILE* live = CreateSiblingTempFile(target_, &liveTemp);
    ASSERT_NE(live, nullptr);
    EXPECT_FALSE(fs::exists(dir_ / killed)) << "creating a new one swept the stale one";

    std::string other;
    std::FILE* second = CreateSiblingTempFile(target_, &other);
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(fs::exists(liveTemp)) << "a file held by its writer is never removed";
    EXPECT_EQ(RemoveStaleSiblingTempFiles(target_), 0);
    DiscardSiblingTempFile(second, other);
    DiscardSiblingTempFile(live, liveTemp);
}

TEST_F(SiblingTempFileTest, OnlyUnheldFilesOfTheExactPatternAreSwept) {
    const std::set<std::string> kept = {
        "mowa.wav",
        "mowa.wav.vokrant-abc12.tmp",
        "mowa.wav.abc123",
        "inna.wav.vokrant-abc123.tmp",
        "mowa.wav.vokrant-abc123.tmp.bak",
        "mowa.wav.vokrant-folder.tmp",  // the exact pattern, but a folder
        "mowa.wav.vokrant-lnk123.tmp",  // and a symbolic link
    };
    for (const char* name : {"mowa.wav", "mowa.wav.vokrant-abc12.tmp", "mowa.wav.abc123",
                             "inna.wav.vokrant-abc123.tmp", "mowa.wav.vokrant-abc123.tmp.bak"})
        std::ofstream(dir_ / name) << "x";
    fs::create_directory(dir_ / "mowa.wav.vokrant-folder.tmp");
    fs::create_symlink(dir_ / "inna.wav.vokrant-abc123.tmp", dir_ / "mowa.wav.vokrant-lnk123.tmp");
    std::ofstream(dir_ / "mowa.wav.vokrant-abc123.tmp") << "stale";
    std::ofstream(dir_ / "mowa.wav.vokrant-XYZ789.tmp") << "stale";

    EXPECT_EQ(RemoveStaleSiblingTempFiles(target_), 2);
    EXPECT_EQ(Listing(dir_), kept);
    EXPECT_EQ(Slurp(dir_ / "inna.wav.vokrant-abc123.tmp"), "x") << "the link's target stays";
}

TEST_F(SiblingTempFileTest, TheInterruptionListRemovesWhatIsOnItAndNothingElse) {
    const fs::path folder = dir_ / "scratch";
    fs::create_directories(folder);
    std::ofstream(folder / "user.reg") << "x";
    std::ofstream(folder / "user.reg.lock") << "";
    std::ofstream(dir_ / "listed") << "x";
    std::ofstream(dir_ / "forgotten") << "x";
    int a = RememberTemporary(folder.string(), STemporaryKind::Folder);
    int b = RememberTemporary((dir_ / "listed").string(), STemporaryKind::File);
    int c = RememberTemporary((dir_ / "forgotten").string(), STemporaryKind::File);
    ASSERT_GE(a, 0);
    ASSERT_GE(b, 0);
    ASSERT_GE(c, 0);
    ForgetTemporary(c);
    RemoveTemporaries();
    EXPECT_EQ(Listing(dir_), std::set<std::string>{"forgotten"});
    ForgetTemporary(a);
    ForgetTemporaryNamed((dir_ / "listed").string());
}

TEST(InterruptionListTest, RefusesPathsItCannotHoldAndAFullList) {
    EXPECT_EQ(RememberTemporary("", STemporaryKind::File), -1);
    EXPECT_EQ(RememberTemporary(std::string(5000, 'a'), STemporaryKind::File), -1);
    EXPECT_EQ(RememberTemporary(std::string("a\0b", 3), STemporaryKind::File), -1);
    std::vector<int> entries;
    for (int i = 0; i < 100; ++i) {
        int entry = RememberTemporary("/nonexistent/" + std::to_string(i), STemporaryKind::File);
        if (entry < 0) break;
        entries.push_back(entry);
    }
    EXPECT_LT(entries.size(), 100u) << "the list has a bound";
    EXPECT_GT(entries.size(), 8u);
    for (int entry : entries) ForgetTemporary(entry);
    int again = RememberTemporary("/nonexistent/again", STemporaryKind::File);
    EXPECT_GE(again, 0) << "forgotten entries are free again";
    ForgetTemporary(again);
}

}  // namespace
