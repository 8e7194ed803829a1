// The vokrant-voice command: exit statuses and what it writes. Skipped when
// the tool has not been built.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "model/allophone_ids.h"
#include "model/context_sounds.h"
#include "soundfile/context_section.h"
#include "soundfile/sound_file_io.h"
#include "voice_fixture.h"

namespace fs = std::filesystem;

namespace {

const std::string kTool = std::string(VOKRANT_BINARY_DIR) + "apps/vokrant-voice/vokrant-voice";

// Runs the tool; returns its exit status and fills `output` with both streams.
int RunTool(const std::string& arguments, std::string& output) {
    std::FILE* pipe = popen((kTool + " " + arguments + " 2>&1").c_str(), "r");
    output.clear();
    char buffer[512];
    while (size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
    int status = pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

TEST(VoiceTool, CommandsAndExitStatuses) {
    if (!fs::exists(kTool)) GTEST_SKIP() << "vokrant-voice not built";
    std::string dir =
        (fs::temp_directory_path() / ("vokrant-tool-" + std::to_string(getpid()))).string();
    fs::create_directories(dir);
    SAlfPattArr voice;
    BuildTestVoice(voice);
    WriteVoiceFile(dir + "/v.als", voice, SVoiceLayout::kSals);
    SWave wave;
    WriteSoundFile(dir + "/w.wav", wave, SSndFormat{});
    // Without pattern 1 the voice has no sample rate to convert with.
    voice.Store(1, nullptr);
    WriteVoiceFile(dir + "/no1.als", voice, SVoiceLayout::kSals);

    const struct {
        std::string arguments;
        int status;
        std::string contains;
    } cases[] = {
        {"info " + dir + "/v.als", 0, "   49  b         0x1050        200       200"},
        {"check " + dir + "/v.als", 0, "ok"},
        {"check " + dir + "/w.wav", 1, "brak bloku 'VER '"},
        {"check " + dir + "/none.als", 1, "Nie znaleziono pliku z alofonami: none.als"},
        {"export " + dir + "/v.als b -o " + dir + "/b.wav", 0, "200 samples at 22050 Hz"},
        {"info " + dir + "/b.wav", 0, "samples: 200"},
        {"export " + dir + "/v.als 3 -o " + dir + "/i.wav", 0, "82 samples"},
        {"export " + dir + "/v.als zz -o " + dir + "/z.wav", 1, "no pattern 'zz'"},
        {"convert " + dir + "/v.als " + dir + "/u.als --layout salu", 0, ""},
        {"info " + dir + "/u.als", 0, "SALU"},
        {"check " + dir + "/u.als", 0, "ok"},
        {"convert " + dir + "/v.als " + dir + "/x.als --layout wav", 2, "unknown layout"},
        {"convert " + dir + "/no1.als " + dir + "/n.als --layout salu", 1, "no pattern at id 1"},
        {"convert " + dir + "/no1.als " + dir + "/n.als --layout alof", 1, "nothing written"},
        {"export " + dir + "/v.als b", 2, "usage"},
        {"", 2, "usage"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        std::string output;
        EXPECT_EQ(RunTool(c.arguments, output), c.status) << output;
        EXPECT_NE(output.find(c.contains), std::string::npos) << output;
    }
    EXPECT_FALSE(fs::exists(dir + "/n.als")) << "a refused conversion writes nothing";
    fs::remove_all(dir);
}

// A voice with context recordings: info lists them, check counts them,
// export writes one as it is held, convert carries them into another
// layout; a damaged section makes check fail with the reason in Polish.
TEST(VoiceTool, ContextRecordingsThroughEveryCommand) {
    if (!fs::exists(kTool)) GTEST_SKIP() << "vokrant-voice not built";
    const std::string dir =
        (fs::temp_directory_path() / ("vokrant-tool-ctx-" + std::to_string(getpid()))).string();
    fs::create_directories(dir);
    SAlfPattArr voice;
    BuildTestVoice(voice);
    WriteVoiceFile(dir + "/v.als", voice, SVoiceLayout::kAlof);
    const std::vector<int16_t> a = TestTone(120, 0.2, 7000);
    ReplaceContextSection(
        dir + "/v.als", {{allophone::kA, kContextAny, allophone::kT, a},
                         {allophone::kB, kContextSilence, kContextAny, TestTone(200, 0.04, 900)}});
    fs::copy_file(dir + "/v.als", dir + "/bad.als");
    {
        std::FILE* f = std::fopen((dir + "/bad.als").c_str(), "r+b");
        ASSERT_NE(f, nullptr);
        std::fseek(f, -20, SEEK_END);  // a sample of the last recording
        std::fputc(0x5A, f);
        std::fclose(f);
    }
    const struct {
        std::string arguments;
        int status;
        std::string contains;
    } cases[] = {
        {"info " + dir + "/v.als", 0, "a:1         any           t                 120"},
        {"info " + dir + "/v.als", 0, "2 context recording(s)"},
        {"check " + dir + "/v.als", 0, "2 context recordings"},
        {"export " + dir + "/v.als a:1 -o " + dir + "/a1.wav", 0, "120 samples at 22050 Hz"},
        {"export " + dir + "/v.als a:3 -o " + dir + "/a3.wav", 1, "no context recording 'a:3'"},
        {"convert " + dir + "/v.als " + dir + "/s.als --layout sals", 0, ""},
        {"check " + dir + "/s.als", 0, "2 context recordings"},
        {"check " + dir + "/bad.als", 1, "zła suma kontrolna"},
        {"info " + dir + "/bad.als", 0, "context recordings: refused"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        std::string output;
        EXPECT_EQ(RunTool(c.arguments, output), c.status) << output;
        EXPECT_NE(output.find(c.contains), std::string::npos) << output;
    }
    // The exported recording is the one held, sample for sample.
    SWave exported;
    ReadSoundFile(dir + "/a1.wav", exported);
    ASSERT_EQ(exported.SampleCount(), 120);
    EXPECT_EQ(std::vector<int16_t>(exported.Samples(), exported.Samples() + 120), a);
    fs::remove_all(dir);
}
