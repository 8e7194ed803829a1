// The platform pieces behind atomic writes and paths: replacing a file in
// one step, temporary files beside a target, appending streams, directory
// parts of names, and the process priority classes.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/file_commit.h"
#include "platform/paths.h"
#include "platform/process_priority.h"
#include "platform/sibling_temp_file.h"

namespace {

namespace fs = std::filesystem;

std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class FileCommitTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("vokrant-file-commit-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path dir_;
};

TEST_F(FileCommitTest, MoveOverReplacesAnExistingFileAndFailsForAMissingSource) {
    const fs::path target = dir_ / "out.wav";
    std::ofstream(target) << "old";
    std::ofstream(dir_ / "new.tmp") << "new";
    ASSERT_TRUE(MoveOver((dir_ / "new.tmp").string(), target.string()));
    EXPECT_EQ(Slurp(target), "new");
    EXPECT_FALSE(fs::exists(dir_ / "new.tmp"));
    EXPECT_FALSE(MoveOver((dir_ / "missing").string(), target.string()));
    EXPECT_EQ(Slurp(target), "new") << "a failed move leaves the target alone";
}

TEST_F(FileCommitTest, SiblingTempFilesAreNewEachTimeAndReadableByOthers) {
    const std::string target = (dir_ / "out.wav").string();
    std::string first, second;
    std::FILE* a = CreateSiblingTempFile(target, &first);
    std::FILE* b = CreateSiblingTempFile(target, &second);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_NE(first, second);
    EXPECT_EQ(first.rfind(target + ".", 0), 0u)
        << "beside the target, so the final rename stays on one disk";
    ASSERT_GE(std::fputs("abc", a), 0);
    EXPECT_TRUE(FlushToDisk(a));
    struct stat st {};
    ASSERT_EQ(stat(first.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0644u);
    EXPECT_EQ(st.st_size, 3);
    DiscardSiblingTempFile(a, first);
    DiscardSiblingTempFile(b, second);
    EXPECT_EQ(CreateSiblingTempFile((dir_ / "no" / "such" / "dir.wav").string(), &first), nullptr);
}

TEST_F(FileCommitTest, OnlyStreamsOpenedForAppendingCountAsAppending) {
    const std::string path = (dir_ / "stream").string();
    struct Case {
        const char* mode;
        bool appends;
    };
    for (const Case& c :
         {Case{"wb", false}, Case{"ab", true}, Case{"r+b", false}, Case{"a+b", true}}) {
        std::FILE* f = std::fopen(path.c_str(), c.mode);
        ASSERT_NE(f, nullptr) << c.mode;
        EXPECT_EQ(StreamAppends(f), c.appends) << c.mode;
        std::fclose(f);
    }
}

TEST(PathsTest, DirectoryPartsAndTrailingSeparators) {
    struct Case {
        const char* name;
        bool hasDirectory;
    };
    for (const Case& c :
         {Case{"client.exp", false}, Case{"dane/client.exp", true}, Case{"/etc/client.exp", true},
          Case{"", false}, Case{"C:\\client.exp", false}})
        EXPECT_EQ(HasDirectoryPart(c.name), c.hasDirectory) << c.name;
    EXPECT_EQ(WithTrailingSlash("/usr/share/vokrant"), "/usr/share/vokrant/");
    EXPECT_EQ(WithTrailingSlash("/usr/share/vokrant/"), "/usr/share/vokrant/");
    EXPECT_EQ(WithTrailingSlash(""), "");
}

TEST(ProcessPriorityTest, LoweringIsReadBackAsTheIdleClass) {
    // Lowering needs no privileges, and this test process may stay low.
    SetProcessPriority(SPriorityClass::Idle);
    EXPECT_EQ(GetProcessPriority(), SPriorityClass::Idle);
}

}  // namespace
