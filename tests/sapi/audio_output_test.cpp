// The audio output factory: which output a command-line target names, and
// how each kind runs a host's loop and finishes.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "recording_dest_sink.h"
#include "sapi/audio/audio_output.h"
#include "sapi/audio/simulated_audio_dest.h"

namespace {

std::string ScratchPath(const char* name) {
    std::string dir = VOKRANT_BINARY_DIR "test-config/sapi-output/";
    mkdir(VOKRANT_BINARY_DIR "test-config", 0755);
    mkdir(dir.c_str(), 0755);
    return dir + name;
}

struct KindCase {
    const char* target;
    SAudioOutputKind kind;
};

TEST(AudioOutputTest, TargetNamesTheKind) {
    const KindCase cases[] = {
        {"", SAudioOutputKind::kSoundDevice},     {"-", SAudioOutputKind::kStandardOutput},
        {"out.wav", SAudioOutputKind::kWaveFile}, {"--", SAudioOutputKind::kWaveFile},
        {"./-", SAudioOutputKind::kWaveFile},     {"dir/speech", SAudioOutputKind::kWaveFile},
    };
    for (const KindCase& c : cases)
        EXPECT_EQ(SAudioOutput::KindOf(c.target), c.kind) << '"' << c.target << '"';
}

// Claims, writes `bytes` and lets go, as the engine does for one text.
void SpeakInto(CAudioDestBase& dest, DWORD bytes) {
    ASSERT_EQ(SetVoiceFormat(&dest), S_OK);
    ASSERT_EQ(dest.Claim(), S_OK);
    dest.Start();
    std::vector<std::uint8_t> pcm(bytes, 0x22);
    ASSERT_EQ(dest.DataSet(pcm.data(), bytes), S_OK);
    dest.UnClaim();
}

TEST(AudioOutputTest, AFileIsCompleteOnlyAfterFinish) {
    std::string path = ScratchPath("output.wav");
    unlink(path.c_str());
    std::string error;
    auto output = SAudioOutput::Open(SAudioOutputKind::kWaveFile, path, &error);
    ASSERT_NE(output, nullptr) << error;
    EXPECT_EQ(output->Kind(), SAudioOutputKind::kWaveFile);
    SpeakInto(output->Dest(), 1000);
    EXPECT_TRUE(output->PumpRound());
    output->Drain();
    EXPECT_TRUE(output->Dest().IsIdle()) << "a file plays what it is given at once";
    EXPECT_NE(access(path.c_str(), F_OK), 0) << "nothing appears before the file is finished";
    ASSERT_TRUE(output->Finish(S_OK, &error)) << error;
    struct stat info {};
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_size, 44 + 1000);
}

TEST(AudioOutputTest, FailedSpeakingIsReportedAndLeavesNoFile) {
    std::string path = ScratchPath("failed.wav");
    unlink(path.c_str());
    std::string error;
    auto output = SAudioOutput::Open(SAudioOutputKind::kWaveFile, path, &error);
    ASSERT_NE(output, nullptr) << error;
    SpeakInto(output->Dest(), 100);
    EXPECT_FALSE(output->Finish(E_FAIL, &error));
    EXPECT_EQ(error, "speaking the text failed");
    EXPECT_NE(access(path.c_str(), F_OK), 0);
}

TEST(AudioOutputTest, AFileThatCannotBeWrittenStopsTheLoop) {
    std::string error;
    auto output =
        SAudioOutput::Open(SAudioOutputKind::kWaveFile, "/nonexistent-dir/x/out.wav", &error);
    ASSERT_NE(output, nullptr) << error;
    CAudioDestBase& dest = output->Dest();
    ASSERT_EQ(SetVoiceFormat(&dest), S_OK);
    dest.Claim();  // opening the file fails here or on the first write
    std::vector<std::uint8_t> pcm(100, 0x22);
    dest.DataSet(pcm.data(), 100);
    EXPECT_FALSE(output->PumpRound()) << "a failed file must not keep the host waiting";
    EXPECT_FALSE(output->Finish(S_OK, &error));
    EXPECT_FALSE(error.empty());
}

TEST(AudioOutputTest, TheLoopGivesUpAfterIdleRounds) {
    std::string error;
    auto output = SAudioOutput::Open(SAudioOutputKind::kSimulated, "", &error);
    ASSERT_NE(output, nullptr) << error;
    int rounds = 0;
    while (output->PumpRound() && rounds < 100000) ++rounds;
    EXPECT_GT(rounds, 0);
    EXPECT_LT(rounds, 100000) << "an output that never notifies must not hang the host";
}

TEST(AudioOutputTest, ASimulatedOutputPlaysEachRoundAndDeliversMarks) {
    std::string error;
    auto output = SAudioOutput::Open(SAudioOutputKind::kSimulated, "", &error);
    ASSERT_NE(output, nullptr) << error;
    CAudioDestBase& dest = output->Dest();
    RecordingDestSink sink;
    dest.PassNotify(static_cast<IAudioDestNotifySink*>(&sink), IID_IAudioDestNotifySink);
    ASSERT_EQ(SetVoiceFormat(&dest), S_OK);
    ASSERT_EQ(dest.Claim(), S_OK);
    dest.Start();
    std::vector<std::uint8_t> pcm(300, 0x22);
    ASSERT_EQ(dest.DataSet(pcm.data(), 300), S_OK);
    dest.BookMark(7);
    EXPECT_TRUE(sink.marks.empty()) << "marks wait for their byte to play";
    EXPECT_TRUE(output->PumpRound());
    ASSERT_EQ(sink.marks.size(), 1u);
    EXPECT_EQ(sink.marks[0].id, 7u);
    dest.UnClaim();
    output->Drain();
    EXPECT_TRUE(dest.IsIdle());
    EXPECT_TRUE(output->Finish(S_OK, &error));
    dest.PassNotify(nullptr, IID_IAudioDestNotifySink);
}

}  // namespace
