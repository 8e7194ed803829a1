// The vokrant command against hostile input: empty and malformed text, NUL
// bytes, bad settings, outputs that cannot be written and damaged voices.
// Every run ends with status 0, or with 1/2 and exactly one error line, and
// never leaves a half-written file behind.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace fs = std::filesystem;

namespace {

const fs::path kVokrant = fs::path(VOKRANT_BINARY_DIR) / "apps/vokrant/vokrant";
const std::string kVoiceDir = VOKRANT_SOURCE_DATA_DIR;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

class HostileCommandLine : public testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(kVokrant)) GTEST_SKIP() << "vokrant not built";
        if (!fs::exists(kVoiceDir + "pln_22.als")) GTEST_SKIP() << "shipped voice missing";
        dir = fs::temp_directory_path() / ("vokrant-hostile-" + std::to_string(getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override {
        if (!dir.empty()) fs::remove_all(dir);
    }

    // Runs vokrant on `input` (standard input) with the arguments.
    int Run(const std::string& arguments, const std::string& input = "") {
        WriteFile(dir / "in.txt", input);
        std::string command = "VOKRANT_CONFIG_DIR='" + (dir / "config").string() + "' '" +
                              kVokrant.string() + "' " + arguments + " < '" +
                              (dir / "in.txt").string() + "' > '" + (dir / "out.bin").string() +
                              "' 2> '" + (dir / "err.txt").string() + "'";
        int raw = std::system(command.c_str());
        err = ReadFile(dir / "err.txt");
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }
    std::string Speak(const fs::path& output) {
        return "--voice-dir '" + kVoiceDir + "' -o '" + output.string() + "'";
    }
    // No temporary file of an abandoned output is left in `folder`.
    bool NoTemporaryIn(const fs::path& folder) {
        for (const fs::directory_entry& entry : fs::directory_iterator(folder))
            if (entry.path().filename().string().rfind(".vokrant-", 0) == 0) return false;
        return true;
    }
    bool OneLine() const { return !err.empty() && err.find('\n') == err.size() - 1; }

    fs::path dir;
    std::string err;
};

TEST_F(HostileCommandLine, MalformedTextStillSpeaks) {
    struct Case {
        const char* name;
        std::string text;
        const char* encoding;
        int sound;  // 1 sound, 0 none, -1 either (a pause alone is fine)
    };
    const Case cases[] = {
        {"empty", "", "utf-8", 0},
        {"only blanks", " \t\r\n ", "utf-8", -1},
        {"invalid UTF-8",
         "Ala \xFF\xFE\xC3\x28 ma \xE2\x82 kota \xED\xA0\x80 \xF8\x88\x80\x80\x80.", "utf-8", 1},
        {"NUL bytes", std::string("Ala\0ma\0\0kota.", 14), "utf-8", 1},
        {"NUL bytes cp1250", std::string("Ala\0ma kota.", 12), "cp1250", 1},
        {"unterminated tag", "Ala \\Spd=100 ma \\Mrk=", "utf-8", 1},
        {"only punctuation", std::string(20000, '?'), "utf-8", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::path wav = dir / "out.wav";
        ASSERT_EQ(Run(Speak(wav) + " --tagged --encoding " + c.encoding, c.text), 0) << err;
        std::string bytes = ReadFile(wav);
        ASSERT_GE(bytes.size(), 44u);
        if (c.sound >= 0) {
            EXPECT_EQ(bytes.size() > 44, c.sound == 1);
        }
    }
}

TEST_F(HostileCommandLine, AHugeSingleWordIsBounded) {
    // Five megabytes of one digit are read as a count of repeats, not refused.
    ASSERT_EQ(Run(Speak(dir / "out.wav"), std::string(5 << 20, '7')), 0) << err;
    EXPECT_GT(ReadFile(dir / "out.wav").size(), 44u);
}

TEST_F(HostileCommandLine, BadSettingsAreUsageErrorsOrClamped) {
    struct Case {
        const char* set;
        int status;
    };
    const Case cases[] = {
        {"Speed=0", 0},
        {"Speed=-7", 0},
        {"Pitch=100000", 0},
        {"Speed=abc", 2},
        {"Speed=", 2},
        {"Speed=1e999", 2},
        {"Speed=99999999999999999999", 2},
        {"NoSuchName=1", 2},
        {"=5", 2},
        {"ConvertDate=maybe", 2},
        {"PauseInterSentence=-5", 2},
        {"PauseInterWord=2000000000", 2},
        {"PauseInterWord=10000", 0},
        {"AbbrevLimit=-3", 0},
        {"IntonationDepth=100000", 2},
        {"Volume=4294967295", 2},
        {"Volume=65536", 2},
        {"Volume=65535", 0},
        {"VoicePitch=1000", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.set);
        EXPECT_EQ(Run(Speak(dir / "out.wav") + " --set '" + c.set + "'",
                      "Ala ma kota. Kot ma Al\xC4\x99."),
                  c.status)
            << err;
        if (c.status != 0) {
            EXPECT_TRUE(OneLine()) << err;
        }
    }
}

// Without --tagged a backslash is text: no tag changes the speed or opens the
// settings, whatever ForceTagSensitivity says.
TEST_F(HostileCommandLine, UntaggedTextIsReadAsPlainText) {
    const std::string text = "Ala \\Dlg\\ ma \\Spd=200\\ kota.";
    ASSERT_EQ(Run("--voice-dir '" + kVoiceDir + "' --words", text), 0) << err;
    const std::string plain = ReadFile(dir / "out.bin");
    EXPECT_EQ(plain.find("\"control\":true"), std::string::npos) << plain;
    EXPECT_NE(plain.find("\"source\":\"Dlg\""), std::string::npos) << plain;
    ASSERT_EQ(Run("--voice-dir '" + kVoiceDir + "' --words --tagged", text), 0) << err;
    EXPECT_NE(ReadFile(dir / "out.bin").find("\"control\":true"), std::string::npos);

    const fs::path untagged = dir / "untagged.wav", tagged = dir / "tagged.wav";
    const std::string fast = "Ala \\Spd=200\\ ma kota i psa, a pies ma kota.";
    ASSERT_EQ(Run(Speak(untagged) + " --set ForceTagSensitivity=Yes", fast), 0) << err;
    ASSERT_EQ(Run(Speak(tagged) + " --tagged", fast), 0) << err;
    EXPECT_GT(ReadFile(untagged).size(), ReadFile(tagged).size());
}

// A volume beyond 16 bits is refused, not wrapped into near silence.
TEST_F(HostileCommandLine, VolumeByNameBeyondItsRangeIsRefused) {
    EXPECT_EQ(Run(Speak(dir / "out.wav") + " --set Volume=65536", "Ala ma kota."), 2);
    EXPECT_TRUE(OneLine()) << err;
    EXPECT_NE(err.find("65536 is outside 0..65535"), std::string::npos) << err;
    EXPECT_FALSE(fs::exists(dir / "out.wav"));
}

TEST_F(HostileCommandLine, UnwritableOutputLeavesNothing) {
    WriteFile(dir / "plain", "x");
    fs::create_directories(dir / "folder");
    const fs::path targets[] = {dir / "plain" / "x.wav", dir / "missing" / "x.wav", dir / "folder"};
    for (const fs::path& target : targets) {
        SCOPED_TRACE(target.string());
        EXPECT_EQ(Run(Speak(target), "Ala ma kota."), 1);
        EXPECT_TRUE(OneLine()) << err;
        EXPECT_TRUE(NoTemporaryIn(dir)) << "abandoned temporary file";
        EXPECT_TRUE(fs::is_empty(dir / "folder"));
    }
    EXPECT_EQ(ReadFile(dir / "plain"), "x");
}

TEST_F(HostileCommandLine, DamagedVoiceFilesFailWithOneLine) {
    const std::string good = ReadFile(kVoiceDir + "pln_22.als");
    const std::string half = ReadFile(kVoiceDir + "pln_11.als");
    struct Case {
        const char* name;
        std::string normal;
        std::string halfRate;
    };
    std::string flipped = half;
    for (size_t at = 64; at < flipped.size(); at += 97)
        flipped[at] = static_cast<char>(flipped[at] ^ 0x5A);
    const Case cases[] = {
        {"empty files", "", ""},
        {"cut short", good.substr(0, 5000), half},
        {"garbage", std::string(300, '\x7F'), half},
        {"half-rate flipped bytes", good, flipped},
        {"half-rate missing", good, "-"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::path voices = dir / "voices";
        fs::remove_all(voices);
        fs::create_directories(voices);
        WriteFile(voices / "pln_22.als", c.normal);
        if (c.halfRate != "-") WriteFile(voices / "pln_11.als", c.halfRate);
        fs::path wav = dir / "out.wav";
        int status =
            Run("--voice-dir '" + voices.string() + "' -o '" + wav.string() + "' Ala ma kota");
        if (status == 0) {
            // Damage the loader cannot see must still give a complete file.
            EXPECT_GT(ReadFile(wav).size(), 44u);
        } else {
            EXPECT_EQ(status, 1);
            EXPECT_TRUE(OneLine()) << err;
            EXPECT_FALSE(fs::exists(wav));
        }
        fs::remove(wav);
    }
}

}  // namespace
