// Finding the prefix an installed program belongs to from where its code is.
#include "platform/linux/install_layout.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/paths.h"

namespace {

// The folders of a default installation and of the Debian packages.
constexpr const char* kFolders =
    "bin:lib:lib/vokrant:libexec/speech-dispatcher-modules:lib/x86_64-linux-gnu:"
    "lib/x86_64-linux-gnu/vokrant:lib/speech-dispatcher-modules:";

struct PrefixCase {
    const char* codeFile;
    bool found;
    const char* prefix;
};

TEST(InstallLayout, FindsThePrefixFromTheCodeFolder) {
    const PrefixCase cases[] = {
        {"/usr/local/bin/vokrant", true, "/usr/local"},
        {"/home/ala/.local/bin/vokrant", true, "/home/ala/.local"},
        {"/home/ala/.local/libexec/speech-dispatcher-modules/sd_vokrant", true, "/home/ala/.local"},
        {"/usr/lib/x86_64-linux-gnu/libvokrant.so.0.1.0", true, "/usr"},
        {"/usr/lib/x86_64-linux-gnu/vokrant/libvokrant-sapi.so", true, "/usr"},
        {"/usr/lib/speech-dispatcher-modules/sd_vokrant", true, "/usr"},
        {"/opt/v/lib/vokrant/libvokrant-sapi.so", true, "/opt/v"},
        {"/bin/vokrant", true, ""},  // installed at the root
        // A folder that only ends like an installation folder is none.
        {"/usr/sbin/vokrant", false, ""},
        {"/srv/mybin/vokrant", false, ""},
        {"/usr/lib/x86_64-linux-gnu/other/libvokrant-sapi.so", false, ""},
        {"bin", false, ""},
        {"", false, ""},
    };
    for (const PrefixCase& c : cases) {
        std::string prefix = "unchanged";
        EXPECT_EQ(FindInstalledPrefix(c.codeFile, kFolders, &prefix), c.found) << c.codeFile;
        if (c.found) EXPECT_EQ(prefix, c.prefix) << c.codeFile;
    }
}

TEST(InstallLayout, EmptyFolderEntriesMatchNothing) {
    std::string prefix;
    EXPECT_FALSE(FindInstalledPrefix("/usr/bin/vokrant", "::", &prefix));
    EXPECT_FALSE(FindInstalledPrefix("/usr/bin/vokrant", "", &prefix));
}

TEST(InstallLayout, TestProgramsRunFromTheBuildTree) {
    EXPECT_TRUE(RunsFromBuildTree());
    EXPECT_EQ(LoadedCodeFile().rfind(VOKRANT_BINARY_DIR, 0), 0u) << LoadedCodeFile();
}

TEST(InstallLayout, AnAbsoluteFolderIsTakenAsGiven) {
    EXPECT_EQ(InstalledFolder("/srv/voice", "/usr/share/vokrant"), "/srv/voice");
}

TEST(InstallLayout, TheBuildTreeSpeaksWithTheSourceVoiceUnlessTold) {
    const char* saved = std::getenv("VOKRANT_DATA_DIR");
    const std::string previous = saved ? saved : "";
    unsetenv("VOKRANT_DATA_DIR");
    EXPECT_EQ(DataDir(), VOKRANT_SOURCE_DATA_DIR);
    setenv("VOKRANT_DATA_DIR", "/srv/voice", 1);
    EXPECT_EQ(DataDir(), "/srv/voice/");
    if (saved)
        setenv("VOKRANT_DATA_DIR", previous.c_str(), 1);
    else
        unsetenv("VOKRANT_DATA_DIR");
}

}  // namespace
