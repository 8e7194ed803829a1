// LoadVoice: where the file is looked for, which files it takes, the codes of
// its failures, and the whole-file helpers.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/exceptions.h"
#include "platform/codepage.h"
#include "riff_builder.h"
#include "soundfile/sound_file_io.h"
#include "soundfile/voice_loader.h"
#include "voice_fixture.h"

namespace fs = std::filesystem;

namespace {

class VoiceLoaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "vokrant-voice-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Put(const std::string& name, const std::vector<uint8_t>& bytes) {
        std::string path = (fs::path(dir_) / name).string();
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        return path;
    }
    // Loads and returns "code: message" of the failure, "" on success.
    std::string Load(SAlfPattArr& store, const std::string& name, const std::string& workDir) {
        try {
            LoadVoice(store, name, workDir);
        } catch (const SExitException& e) {
            return std::to_string(e.GetCode()) + ": " + Cp1250ToUtf8(e.GetMessage());
        }
        return "";
    }

    std::string dir_;
};

std::vector<uint8_t> AlofWithVersion(uint16_t last, const std::string& date) {
    return RiffBuilder()
        .Riff("ALOF")
        .Version(1, 1, 2, last, date)
        .Fmt(11025)
        .Chunk("data", std::vector<uint8_t>(40, 3))
        .Chunk("info", {'a', 0, 0, 0, 0, 0, 0, 0, 1, 0, 4, 0})
        .Finish();
}

}  // namespace

TEST_F(VoiceLoaderTest, LoadsFromTheWorkingDirectoryAndFinishes) {
    SAlfPattArr voice;
    BuildTestVoice(voice);
    WriteVoiceFile(dir_ + "/pln_22.als", voice, SVoiceLayout::kSals);
    for (const std::string& workDir : {dir_, dir_ + "/"}) {
        SAlfPattArr store;
        store.Store(60, new SAlofonPatt());
        ASSERT_EQ(Load(store, "pln_22.als", workDir), "");
        EXPECT_EQ(store.PatternAt(60), nullptr);  // emptied first
        ASSERT_NE(store.PatternAt(49), nullptr);
        ASSERT_NE(store.PatternAt(112), nullptr);  // finishing step ran
        EXPECT_EQ(store.PatternAt(112)->Name(), "null");
        EXPECT_GT(store.PatternAt(109)->pauseLength, 0);
        EXPECT_EQ(store.VoiceFormat().samplesPerSec, 22050u);
    }
}

TEST_F(VoiceLoaderTest, FallsBackToTheBareName) {
    Put("bare.als", AlofWithVersion(3, "22/09/95"));
    std::string previous = fs::current_path().string();
    fs::current_path(dir_);
    SAlfPattArr store;
    std::string result = Load(store, "bare.als", "/nonexistent/dir");
    fs::current_path(previous);
    EXPECT_EQ(result, "");
    EXPECT_NE(store.PatternAt(1), nullptr);
    EXPECT_EQ(FindVoiceFile("bare.als", dir_), dir_ + "/bare.als");
}

TEST_F(VoiceLoaderTest, RefusedFiles) {
    const struct {
        const char* name;
        std::vector<uint8_t> bytes;
        std::string result;
    } cases[] = {
        {"alof-any-date.als", AlofWithVersion(3, "01/01/01"), ""},
        {"alof-1124.als", AlofWithVersion(4, "22/09/95"), "-3: błędna wersja pliku alofonów"},
        {"wave.als", RiffBuilder().Riff("WAVE").Fmt().Chunk("data", {0, 0}).Finish(),
         "-3: brak bloku 'VER '"},
        {"sals-as-alof.als", RiffBuilder().Riff("SALS").Version(1, 1, 2, 3).Finish(),
         "-3: błędna wersja pliku alofonów"},
        {"salu.als", RiffBuilder().Riff("SALU").Version(1, 6, 1, 8).Finish(), ""},
        {"swav.als", RiffBuilder().Riff("SWAV").Version(1, 6, 2, 2).Finish(),
         "-3: błędna wersja pliku alofonów"},
        {"snd.als",
         RiffBuilder().Raw(".snd").BE32(28).BE32(0).BE32(1).BE32(8000).BE32(1).BE32(0).Finish(),
         "-3: błędna wersja pliku alofonów"},
        {"ver-short.als", RiffBuilder().Riff("SALS").Chunk("VER ", {1, 0}).Finish(),
         "-3: niewłaściwa długość bloku 'VER '"},
        {"damaged.als",
         RiffBuilder()
             .Riff("ALOF")
             .Version(1, 1, 2, 3)
             .Fmt()
             .Chunk("data", std::vector<uint8_t>(20, 1))
             .Chunk("info", {'a', 0, 0, 0, 0, 0, 0, 0, 1, 0, 4, 0})
             .ChunkHeader("data", 1000)
             .Finish(),
         "-1: błąd odczytu"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Put(c.name, c.bytes);
        SAlfPattArr store;
        EXPECT_EQ(Load(store, c.name, dir_), c.result);
    }
    std::string random = Put("random.als", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15});
    SAlfPattArr store;
    EXPECT_EQ(Load(store, "random.als", dir_), "-3: Błąd ładowania alofonów: '" + random + "'.");
    EXPECT_EQ(Load(store, "missing.als", dir_),
              "-3: Nie znaleziono pliku z alofonami: missing.als");
}

TEST_F(VoiceLoaderTest, PatternsReadBeforeDamageStay) {
    Put("damaged.als", RiffBuilder()
                           .Riff("ALOF")
                           .Version(1, 1, 2, 3)
                           .Fmt()
                           .Chunk("data", std::vector<uint8_t>(20, 1))
                           .Chunk("info", {'a', 0, 0, 0, 0, 0, 0, 0, 1, 0, 4, 0})
                           .ChunkHeader("info", 12)
                           .Finish());
    SAlfPattArr store;
    EXPECT_EQ(Load(store, "damaged.als", dir_), "-1: błąd odczytu");
    EXPECT_NE(store.PatternAt(1), nullptr);
}

TEST_F(VoiceLoaderTest, SoundFilesByPath) {
    SWave wave;
    std::vector<int16_t> tone = TestTone(300, 0.2, 10000);
    wave.SetFromSamples(tone.data(), 300, VoiceTestFormat(16000));
    const SSndFormat formats[] = {{1, 1, 3, 16000}, {5, 10, 3, 16000}};
    for (const SSndFormat& format : formats) {
        std::string path = dir_ + "/sound";
        WriteSoundFile(path, wave, format);
        SWave back;
        ReadSoundFile(path, back);
        ASSERT_EQ(back.SampleCount(), 300);
        EXPECT_EQ(back.format.samplesPerSec, 16000u);
        for (int i = 0; i < 300; ++i)
            ASSERT_NEAR(back.Samples()[i], tone[static_cast<size_t>(i)], 400);
    }
    // A refused write leaves the previous file and no temporary behind.
    const SSndFormat bad{1, 2, 3, 16000};
    EXPECT_THROW(WriteSoundFile(dir_ + "/sound", wave, bad), SExitException);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 1);
    SWave back;
    try {
        ReadSoundFile(dir_ + "/nothing", back);
        FAIL();
    } catch (const SExitException& e) {
        EXPECT_EQ(e.GetCode(), -2);
    }
}
