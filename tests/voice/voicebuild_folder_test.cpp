// The recorded source: a folder of wave files named by allophone, with its
// errors, and the databases built from it.
#ifdef VOKRANT_HAVE_VOICEBUILD

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/exceptions.h"
#include "model/inventory.h"
#include "model/pattern_store.h"
#include "soundfile/voice_loader.h"
#include "voice_builder.h"
#include "voice_database.h"
#include "wave_folder.h"

namespace voicebuild {
namespace {

namespace fs = std::filesystem;

class RecordedFolder : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::path(VOKRANT_BINARY_DIR) / "test-voice" /
                ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(root_);
        WriteFolder(RecordedNames(), kNormalRate);
    }

    // A short tone per name, each at its own pitch, so the files differ.
    void WriteFolder(const std::vector<std::string>& names, int rate) {
        RecordingSet set;
        set.rate = rate;
        for (size_t k = 0; k < names.size(); ++k) {
            std::vector<int16_t> s(size_t(rate / 20));  // 50 ms
            for (size_t i = 0; i < s.size(); ++i)
                s[i] = int16_t(6000 * std::sin(double(i) * (0.05 + 0.002 * double(k))));
            set.recordings.push_back({names[k], s, ""});
        }
        WriteWaveFolder(Recordings(), set);
    }

    std::string Recordings() const { return (root_ / "recordings").string(); }
    std::string Output() const { return (root_ / "voice").string(); }

    static std::string Bytes(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path root_;
};

TEST_F(RecordedFolder, MissingAndWrongRateFilesAreReportedAndNothingIsWritten) {
    fs::remove(fs::path(Recordings()) / "bi.wav");
    WriteFolder({"aa"}, 16000);
    BuildOutcome outcome = BuildVoice({Recordings(), Output(), ""});
    ASSERT_EQ(outcome.problems.size(), 2u);
    EXPECT_NE(outcome.problems[0].find("rate 16000 Hz, expected 22050 Hz"), std::string::npos)
        << outcome.problems[0];
    EXPECT_NE(outcome.problems[0].find("aa.wav"), std::string::npos);
    EXPECT_NE(outcome.problems[1].find("missing"), std::string::npos) << outcome.problems[1];
    EXPECT_NE(outcome.problems[1].find("bi.wav"), std::string::npos);
    EXPECT_TRUE(outcome.written.empty());
    EXPECT_FALSE(fs::exists(fs::path(Output()) / "pln_22.als"));
}

TEST_F(RecordedFolder, UnfitFilesAreReported) {
    struct Case {
        const char* name;
        std::string bytes;
        const char* expected;
    };
    const Case cases[] = {
        {"a", "not a wave file at all", "not a RIFF wave file"},
        {"e", std::string("RIFF\x04\x00\x00\x00WAVE", 12), "no 'fmt ' chunk"},
        {"o",
         std::string("RIFF\x24\x00\x00\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x02\x00\x22\x56\x00\x00"
                     "\x88\x58\x01\x00\x04\x00\x10\x00"
                     "data\x04\x00\x00\x00\x01\x00\x02\x00",
                     48),
         "not 16-bit mono PCM"},
        {"u",
         std::string("RIFF\x1c\x00\x00\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x01\x00\x22\x56\x00\x00"
                     "\x44\xac\x00\x00\x02\x00\x10\x00",
                     36),
         "no 'data' chunk"},
    };
    RecordingSet unfit;
    unfit.rate = kNormalRate;
    unfit.recordings.push_back({"i", std::vector<int16_t>(kNormalRate * 2, 1000), ""});  // 2 s
    unfit.recordings.push_back({"y", std::vector<int16_t>(2205, 0), ""});
    WriteWaveFolder(Recordings(), unfit);
    for (const auto& c : cases)
        std::ofstream(fs::path(Recordings()) / (std::string(c.name) + ".wav"), std::ios::binary)
            << c.bytes;
    BuildOutcome outcome = BuildVoice({Recordings(), Output(), ""});
    // Problems come in inventory order: a, e, i, o, u, y.
    const char* expected[] = {cases[0].expected, cases[1].expected, "longer than 1000 ms",
                              cases[2].expected, cases[3].expected, "silent"};
    ASSERT_EQ(outcome.problems.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i)
        EXPECT_NE(outcome.problems[i].find(expected[i]), std::string::npos) << outcome.problems[i];
}

// A mono PCM wave header for `bytes` bytes of data at 22050 Hz.
std::string WaveHeader(int bits, uint32_t bytes) {
    auto le = [](uint32_t v, int n) {
        std::string out;
        for (int i = 0; i < n; ++i) out.push_back(char((v >> (8 * i)) & 0xFF));
        return out;
    };
    uint32_t align = uint32_t(bits / 8);
    return "RIFF" + le(36 + bytes, 4) + "WAVEfmt " + le(16, 4) + le(1, 2) + le(1, 2) +
           le(kNormalRate, 4) + le(kNormalRate * align, 4) + le(align, 2) + le(uint32_t(bits), 2) +
           "data" + le(bytes, 4);
}

TEST_F(RecordedFolder, EightBitIsTakenAndOtherDepthsOrHugeFilesAreNot) {
    std::string eight = WaveHeader(8, 1000);
    for (int i = 0; i < 1000; ++i) eight.push_back(char(i % 2 ? 128 + 64 : 128 - 64));
    std::ofstream(fs::path(Recordings()) / "a.wav", std::ios::binary) << eight;
    std::ofstream(fs::path(Recordings()) / "e.wav", std::ios::binary)
        << WaveHeader(24, 3000) << std::string(3000, '\x40');
    std::ofstream(fs::path(Recordings()) / "o.wav", std::ios::binary)
        << WaveHeader(16, 0) << std::string(17u << 20, '\x01');

    FolderReading reading = ReadWaveFolder(Recordings(), {"a", "e", "o"}, kNormalRate);
    ASSERT_EQ(reading.problems.size(), 2u);
    EXPECT_NE(reading.problems[0].find("damaged"), std::string::npos) << reading.problems[0];
    EXPECT_NE(reading.problems[0].find("e.wav"), std::string::npos);
    EXPECT_NE(reading.problems[1].find("larger than an allophone can be"), std::string::npos)
        << reading.problems[1];
    ASSERT_EQ(reading.set.recordings.size(), 1u);
    const std::vector<int16_t>& a = reading.set.recordings[0].samples;
    ASSERT_EQ(a.size(), 1000u);
    EXPECT_EQ(a[0], -64 * 256);
    EXPECT_EQ(a[1], 64 * 256);
}

TEST_F(RecordedFolder, CompleteFolderGivesLoadableReproducibleVoices) {
    BuildOutcome outcome = BuildVoice({Recordings(), Output(), (root_ / "VOICE.md").string()});
    ASSERT_TRUE(outcome.problems.empty());
    ASSERT_EQ(outcome.written.size(), 3u);

    SAlfPattArr normal, half;
    LoadVoice(normal, "pln_22.als", Output());
    LoadVoice(half, "pln_11.als", Output());
    EXPECT_EQ(normal.VoiceFormat().samplesPerSec, uint32_t(kNormalRate));
    EXPECT_EQ(half.VoiceFormat().samplesPerSec, uint32_t(kHalfRate));
    for (int id : RecordedIds()) {
        ASSERT_NE(normal.PatternAt(id), nullptr) << id;
        ASSERT_NE(half.PatternAt(id), nullptr) << id;
        EXPECT_EQ(normal.PatternAt(id)->SampleLength(), kNormalRate / 20) << id;
        EXPECT_NEAR(half.PatternAt(id)->SampleLength(), kHalfRate / 20, 2) << id;
    }
    // Shared names share one recording: "aan" is both 23 and 39.
    EXPECT_EQ(normal.PatternAt(23)->SampleLength(), normal.PatternAt(39)->SampleLength());

    std::string first22 = Bytes(fs::path(Output()) / "pln_22.als");
    std::string first11 = Bytes(fs::path(Output()) / "pln_11.als");
    BuildVoice({Recordings(), Output(), ""});
    EXPECT_EQ(Bytes(fs::path(Output()) / "pln_22.als"), first22);
    EXPECT_EQ(Bytes(fs::path(Output()) / "pln_11.als"), first11);
}

// The measured figures pasted below the report survive a rebuild; the
// generated part is replaced, not repeated.
TEST_F(RecordedFolder, RebuildKeepsTheMeasurementsBelowTheReport) {
    fs::path report = root_ / "VOICE.md";
    BuildVoice({Recordings(), Output(), report.string()});
    std::string generated = Bytes(report);
    const std::string measured = "\n## Measurements\n\n| 1 | 17.2 |\n";
    {
        std::ofstream out(report, std::ios::app | std::ios::binary);
        out << measured;
    }
    BuildVoice({Recordings(), Output(), report.string()});
    EXPECT_EQ(Bytes(report), generated + measured);
    BuildVoice({Recordings(), Output(), report.string()});
    EXPECT_EQ(Bytes(report), generated + measured);
}

}  // namespace
}  // namespace voicebuild

#endif
