// The sound-device destination against a real PulseAudio server: a private
// server with a null sink consumes the bytes in real time, so bookmarks must
// arrive when their byte is played, never when it is written.
#ifdef VOKRANT_HAVE_PULSE

#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "recording_dest_sink.h"
#include "sapi/audio/pulse_audio_dest.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// Starts `pulseaudio` with a null sink on a private socket, for one test suite.
class PrivatePulseServer {
public:
    PrivatePulseServer() {
        char dir[] = "/tmp/vokrant-pulse.XXXXXX";
        if (mkdtemp(dir) == nullptr) return;
        dir_ = dir;
        std::string socket = dir_ + "/native";
        std::string protocol = "module-native-protocol-unix socket=" + socket + " auth-anonymous=1";
        setenv("PULSE_RUNTIME_PATH", dir_.c_str(), 1);
        setenv("PULSE_STATE_PATH", dir_.c_str(), 1);
        std::vector<std::string> args = {"pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
                                         "--disable-shm=yes", "--use-pid-file=no", "--log-level=error",
                                         "-L", "module-null-sink", "-L", protocol};
        std::vector<char*> argv;
        for (auto& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        if (posix_spawnp(&pid_, "pulseaudio", nullptr, nullptr, argv.data(), environ) != 0) {
            pid_ = 0;
            return;
        }
        for (int i = 0; i < 100 && access(socket.c_str(), F_OK) != 0; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        setenv("PULSE_SERVER", ("unix:" + socket).c_str(), 1);
    }
    ~PrivatePulseServer() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
        unsetenv("PULSE_SERVER");
        if (!dir_.empty()) system(("rm -rf '" + dir_ + "'").c_str());
    }
    bool Running() const { return pid_ > 0; }

private:
    pid_t pid_ = 0;
    std::string dir_;
};

class PulseDestTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { server = new PrivatePulseServer(); }
    static void TearDownTestSuite() {
        delete server;
        server = nullptr;
    }
    static PrivatePulseServer* server;
};
PrivatePulseServer* PulseDestTest::server = nullptr;

TEST_F(PulseDestTest, BookmarksArriveWhenTheirBytesArePlayed) {
    if (!server->Running()) GTEST_SKIP() << "pulseaudio is not available";
    std::string error;
    CPulseAudioDest* dest = CPulseAudioDest::Create(&error);
    if (dest == nullptr) GTEST_SKIP() << "no sound server: " << error;
    RecordingDestSink sink;
    dest->PassNotify(static_cast<IAudioDestNotifySink*>(&sink), IID_IAudioDestNotifySink);
    ASSERT_EQ(SetVoiceFormat(dest), S_OK);
    ASSERT_EQ(dest->Claim(), S_OK) << dest->LastError();
    ASSERT_EQ(dest->Start(), S_OK);

    // One second of quiet sound, a mark after half of it and one at the end.
    std::vector<std::uint8_t> half(22050, 0);
    auto begin = Clock::now();
    ASSERT_EQ(dest->DataSet(half.data(), 22050), S_OK);
    dest->BookMark(1);
    ASSERT_EQ(dest->DataSet(half.data(), 22050), S_OK);
    dest->BookMark(2);
    DWORD free = 0;
    BOOL eof = TRUE;
    ASSERT_EQ(dest->FreeSpace(&free, &eof), S_OK);
    EXPECT_FALSE(eof);
    // Free space counts the unplayed bytes (a few may have played already).
    EXPECT_GE(free, CPulseAudioDest::kDefaultBuffer - 44100);
    EXPECT_LT(free, CPulseAudioDest::kDefaultBuffer - 44100 + 11025);

    std::vector<double> arrivals;
    std::vector<QWORD> positions;
    while (arrivals.size() < 2 && Clock::now() - begin < std::chrono::seconds(10)) {
        dest->WaitAndPump(20);
        while (arrivals.size() < sink.marks.size()) {
            arrivals.push_back(std::chrono::duration<double>(Clock::now() - begin).count());
            QWORD played = 0;
            dest->PosnGet(&played);
            positions.push_back(played);
        }
    }
    ASSERT_EQ(sink.marks.size(), 2u) << "marks never arrived";
    EXPECT_EQ(sink.marks[0].id, 1u);
    EXPECT_EQ(sink.marks[1].id, 2u);
    EXPECT_FALSE(sink.marks[0].flushed);
    // Never before their byte has played (half a second and a second of sound).
    EXPECT_GE(positions[0], 22050u);
    EXPECT_GE(positions[1], 44100u);
    EXPECT_GE(arrivals[0], 0.4);
    EXPECT_GE(arrivals[1], 0.9);
    EXPECT_FALSE(sink.freeReports.empty()) << "free space is reported as it grows";

    ASSERT_EQ(dest->UnClaim(), S_OK);
    for (int i = 0; i < 200 && dest->IsClaimed(); ++i) dest->WaitAndPump(20);
    EXPECT_FALSE(dest->IsClaimed());
    EXPECT_EQ(sink.events.back(), "stop 0");
    dest->PassNotify(nullptr, IID_IAudioDestNotifySink);
    EXPECT_EQ(dest->Release(), 0u);
}

TEST_F(PulseDestTest, FlushDropsWhatHasNotPlayed) {
    if (!server->Running()) GTEST_SKIP() << "pulseaudio is not available";
    std::string error;
    CPulseAudioDest* dest = CPulseAudioDest::Create(&error);
    if (dest == nullptr) GTEST_SKIP() << "no sound server: " << error;
    RecordingDestSink sink;
    dest->PassNotify(static_cast<IAudioDestNotifySink*>(&sink), IID_IAudioDestNotifySink);
    ASSERT_EQ(SetVoiceFormat(dest), S_OK);
    ASSERT_EQ(dest->Claim(), S_OK);
    dest->Start();
    std::vector<std::uint8_t> data(88200, 0);
    ASSERT_EQ(dest->DataSet(data.data(), 88200), S_OK);
    dest->BookMark(9);
    dest->Flush();
    ASSERT_EQ(sink.marks.size(), 1u);
    EXPECT_TRUE(sink.marks[0].flushed);
    DWORD free = 0;
    BOOL eof = FALSE;
    dest->FreeSpace(&free, &eof);
    EXPECT_EQ(free, CPulseAudioDest::kDefaultBuffer);
    // The stream goes on working after the flush.
    ASSERT_EQ(dest->DataSet(data.data(), 4410), S_OK);
    dest->BookMark(10);
    for (int i = 0; i < 200 && sink.marks.size() < 2; ++i) dest->WaitAndPump(20);
    ASSERT_EQ(sink.marks.size(), 2u);
    EXPECT_EQ(sink.marks[1].id, 10u);
    EXPECT_FALSE(sink.marks[1].flushed);
    dest->PassNotify(nullptr, IID_IAudioDestNotifySink);
    dest->Release();
}

}  // namespace

#endif  // VOKRANT_HAVE_PULSE
