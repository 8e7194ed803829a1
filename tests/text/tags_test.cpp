// Control tags: every tag's argument rule, accepted and rejected, the
// settings they switch, and sound files named by Wav.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "core/attribute.h"
#include "model/inventory.h"
#include "model/wave.h"
#include "text/tags.h"

namespace {

struct STagCase {
    const char* text;      // after the backslash
    int code;              // kTagNone: rejected
    const char* argument;  // the control word after its two leading bytes; null: no word
};

std::string Control(int code, const std::string& argument) {
    return std::string{'\x03', static_cast<char>(code)} + argument;
}

void ExpectTags(const STagCase* cases, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        const STagCase& c = cases[i];
        SAttribute settings;
        std::string buffer;
        uint32_t position = 0;
        int code = ReadTag(c.text, position, settings, buffer, nullptr);
        EXPECT_EQ(code, c.code) << c.text;
        if (c.code == kTagNone) {
            EXPECT_EQ(position, 0u) << c.text;
            continue;
        }
        EXPECT_EQ(c.text[position - 1], '\\') << c.text;  // consumed through the closing backslash
        if (c.argument)
            EXPECT_EQ(buffer, Control(c.code, c.argument)) << c.text;
        else
            EXPECT_TRUE(buffer.empty()) << c.text;
    }
}

TEST(TagReaderTest, NumericArgumentTags) {
    const STagCase cases[] = {
        {"Spd=120\\ dalej", kTagSpeed, "120"},
        {"spd=120\\", kTagSpeed, "120"},
        {"SPD=9\\", kTagSpeed, "9"},
        {"Spd=0\\", kTagNone, nullptr},
        {"Spd=1200\\", kTagNone, nullptr},
        {"Spd=abc\\", kTagNone, nullptr},
        {"Spd=\\", kTagNone, nullptr},
        {"Spd=120", kTagNone, nullptr},
        {"Pit=200\\", kTagPitch, "200"},
        {"Pit=0\\", kTagNone, nullptr},
        {"Pit=2000\\", kTagNone, nullptr},
        {"Vol=65535\\", kTagVolume, "65535"},
        {"Vol=655350\\", kTagNone, nullptr},
        {"Vol=0\\", kTagNone, nullptr},
        {"Pau=500\\", kTagPause, "500"},
        {"Pau=\\", kTagNone, nullptr},
        {"Pau=123456\\", kTagNone, nullptr},
        {"Pnm=50\\", kTagPnm, "50"},
        {"Pnm=\\", kTagPnm, ""},
        {"Pnm=1000\\", kTagNone, nullptr},
    };
    ExpectTags(cases, std::size(cases));
}

TEST(TagReaderTest, BookmarksAreBounded) {
    const STagCase cases[] = {
        {"Mrk=7\\", kTagBookmark, "7"},
        {"Mrk=2147483647\\", kTagBookmark, "2147483647"},
        {"Mrk=1048577\\", kTagBookmark, "1048577"},
        {"Mrk=2147483648\\", kTagNone, nullptr},
        {"Mrk=0\\", kTagNone, nullptr},
        {"Mrk=-5\\", kTagNone, nullptr},
        {"Mrk=12x\\", kTagNone, nullptr},
        {"Mrk=\\", kTagNone, nullptr},
        {"Mrk=00000000000000000001\\", kTagNone, nullptr},
    };
    ExpectTags(cases, std::size(cases));
}

TEST(TagReaderTest, ExactAndQuotedTags) {
    const STagCase cases[] = {
        {"Rst\\", kTagReset, "\x01"},
        {"RstX\\", kTagNone, nullptr},
        {"Dlg\\", kTagDialog, "\x01"},
        {"dlg\\", kTagDialog, "\x01"},
        {"Dlg=1\\", kTagNone, nullptr},
        {"Com=\"x\"\\", kTagConsumed, nullptr},
        {"Com=\"a\\b\"\\", kTagConsumed, nullptr},
        {"Com=\"\"\\", kTagNone, nullptr},
        {"Com=x\\", kTagNone, nullptr},
        {"Com=\"x\" \\", kTagNone, nullptr},
        {"Ctx=\"Polish\"\\", kTagConsumed, nullptr},
        {"Drv=5\\", kTagDriver, "\x06"},
        {"Drv=\\", kTagDriver, "\x01"},
        {"Drv=z\\", kTagDriver, "\x0A"},
        {"Drv=!\\", kTagDriver, "\x01"},
        {"Drv=12\\", kTagNone, nullptr},
        {"Vce=Male\\", kTagConsumed, nullptr},
        {"RPit=100\\", kTagConsumed, nullptr},
        {"Chr=Whisper\\", kTagConsumed, nullptr},
        {"Xyz=1\\", kTagNone, nullptr},
        {"", kTagNone, nullptr},
    };
    ExpectTags(cases, std::size(cases));
}

TEST(TagReaderTest, SettingsTags) {
    SAttribute settings;
    std::string buffer;
    auto read = [&](const char* text) {
        uint32_t position = 0;
        return ReadTag(text, position, settings, buffer, nullptr);
    };
    EXPECT_EQ(read("RmS=1\\"), kTagConsumed);
    EXPECT_TRUE(settings.spellMode);
    EXPECT_EQ(read("RmS=0\\"), kTagConsumed);
    EXPECT_FALSE(settings.spellMode);
    EXPECT_EQ(read("RmW=1\\"), kTagConsumed);
    EXPECT_FALSE(settings.fluentSpeech);
    EXPECT_EQ(read("Pro=0\\"), kTagConsumed);
    EXPECT_FALSE(settings.intonation);
    EXPECT_FALSE(settings.colloquialSpeech);
    EXPECT_EQ(read("RmS=10\\"), kTagNone);
    settings.spellMode = true;
    settings.forceTagSensitivity = false;
    EXPECT_EQ(read("Rst\\"), kTagReset);
    EXPECT_FALSE(settings.spellMode);
    EXPECT_TRUE(settings.fluentSpeech);
    EXPECT_TRUE(settings.colloquialSpeech);
    EXPECT_TRUE(settings.forceTagSensitivity);

    settings.taggedText = false;
    uint32_t position = 0;
    EXPECT_EQ(ReadTag("Spd=120\\", position, settings, buffer, nullptr), kTagNone);
}

TEST(TagReaderTest, ExplicitAllophones) {
    SAttribute settings;
    std::string buffer;
    uint32_t position = 0;
    ASSERT_EQ(ReadTag("Alf=(a b c)\\", position, settings, buffer, nullptr), kTagAllophones);
    ASSERT_EQ(buffer.size(), 6u);
    EXPECT_EQ(buffer[2], 3);
    EXPECT_EQ(static_cast<unsigned char>(buffer[3]), InventoryFindByName("a"));

    position = 0;
    ASSERT_EQ(ReadTag("Alf=(a  b)\\", position, settings, buffer, nullptr), kTagAllophones);
    ASSERT_EQ(buffer.size(), 6u);
    EXPECT_EQ(static_cast<unsigned char>(buffer[4]), kAlfErr);

    position = 0;
    ASSERT_EQ(ReadTag("Alf=(nosuchname)\\", position, settings, buffer, nullptr), kTagAllophones);
    EXPECT_EQ(static_cast<unsigned char>(buffer[3]), kAlfErr);

    std::string many = "Alf=(" + std::string(300, ' ') + ")\\";
    position = 0;
    ASSERT_EQ(ReadTag(many.c_str(), position, settings, buffer, nullptr), kTagAllophones);
    EXPECT_EQ(static_cast<unsigned char>(buffer[2]), 255);
    EXPECT_EQ(buffer.size(), 3u + 255u);

    for (const char* bad : {"Alf=a b\\", "Alf=(a b\\", "Alf=\\"}) {
        position = 0;
        EXPECT_EQ(ReadTag(bad, position, settings, buffer, nullptr), kTagNone) << bad;
    }
}

class TagSoundTest : public ::testing::Test {
protected:
    void SetUp() override {
        directory_ = std::filesystem::path(VOKRANT_BINARY_DIR) / "readers-tag-sounds";
        std::filesystem::create_directories(directory_);
    }
    // A mono 8-bit PCM wave file of `samples` samples.
    std::string WriteWave8(const char* name, int samples) {
        std::string data(samples, '\x80');
        auto le32 = [](uint32_t v) {
            return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
        };
        auto le16 = [](uint16_t v) { return std::string{char(v), char(v >> 8)}; };
        std::string file = "RIFF" + le32(36 + samples) + "WAVE" + "fmt " + le32(16) + le16(1) +
                           le16(1) + le32(22050) + le32(22050) + le16(1) + le16(8) + "data" +
                           le32(samples) + data;
        std::filesystem::path path = directory_ / name;
        std::ofstream(path, std::ios::binary) << file;
        return path.string();
    }
    std::filesystem::path directory_;
};

TEST_F(TagSoundTest, LoadsAWaveAndKeepsSampleCountConsistent) {
    std::string path = WriteWave8("ding.wav", 100);
    std::string noExtension = path.substr(0, path.size() - 4);
    std::string tag = "Wav=\"" + noExtension + "\"\\";
    SAttribute settings;
    SWave wave;
    std::string buffer;
    uint32_t position = 0;
    ASSERT_EQ(ReadTag(tag.c_str(), position, settings, buffer, &wave), kTagWave);
    EXPECT_EQ(buffer, Control(kTagWave, "\x01"));
    EXPECT_EQ(position, tag.size());
    EXPECT_EQ(wave.SampleCount(), 100);
    EXPECT_EQ(wave.format.bitsPerSample, 16);
}

// The tag is text (Windows-1250); the file's name on disk is UTF-8.
TEST_F(TagSoundTest, APolishFileNameInTheTextFindsTheFileOfThatName) {
    WriteWave8("d\u017awi\u0119k \u017c\u00f3\u0142wia.wav", 50);  // dźwięk żółwia.wav
    std::string tag = "Wav=\"" + directory_.string() + "/d\x9Fwi\xEAk \xBF\xF3\xB3wia.wav\"\\";
    SAttribute settings;
    SWave wave;
    std::string buffer;
    uint32_t position = 0;
    ASSERT_EQ(ReadTag(tag.c_str(), position, settings, buffer, &wave), kTagWave);
    EXPECT_EQ(buffer, Control(kTagWave, "\x01"));
    EXPECT_EQ(wave.SampleCount(), 50);
}

TEST_F(TagSoundTest, FailuresSkipTheSoundButConsumeTheTag) {
    std::filesystem::create_directories(directory_ / "adir.wav");
    std::string junk = (directory_ / "junk.wav").string();
    std::ofstream(junk, std::ios::binary) << "not a sound file at all";
    const std::string names[] = {(directory_ / "missing").string(),
                                 (directory_ / "adir.wav").string(), junk, std::string(300, 'x')};
    for (const std::string& name : names) {
        std::string tag = "Wav=\"" + name + "\"\\";
        SAttribute settings;
        SWave wave;
        std::string buffer = "stale";
        uint32_t position = 0;
        EXPECT_EQ(ReadTag(tag.c_str(), position, settings, buffer, &wave), kTagWave) << name;
        EXPECT_TRUE(buffer.empty()) << name;
        EXPECT_EQ(wave.GetSize(), 0) << name;
        EXPECT_EQ(position, tag.size()) << name;
    }
    SAttribute settings;
    std::string buffer;
    uint32_t position = 0;
    EXPECT_EQ(ReadTag("Wav=ding\\", position, settings, buffer, nullptr), kTagNone);
}

}  // namespace
