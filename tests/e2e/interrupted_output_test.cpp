// A run of vokrant that is interrupted leaves nothing behind: Ctrl-C,
// SIGTERM and SIGHUP in the middle of a long text remove the temporary
// output file and keep the old target, a closed standard output (SIGPIPE)
// removes the run's scratch settings, and the debris of a run killed
// outright is removed by the next run that writes the same file, while
// look-alike files stay.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::string kVokrant = std::string(VOKRANT_BINARY_DIR) + "apps/vokrant/vokrant";

std::set<std::string> Listing(const fs::path& dir) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) names.insert(entry.path().filename());
    return names;
}

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class InterruptedOutputTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("vokrant-interrupt-" + std::to_string(getpid()));
        fs::remove_all(dir_);
        for (const char* sub : {"out", "tmp", "config"}) fs::create_directories(dir_ / sub);
        // A long text: far more sound than is made before the signal comes.
        std::ofstream text(dir_ / "long.txt");
        for (int i = 0; i < 20000; ++i)
            text << "Dzisiaj jest " << i << " dzień pięknej, słonecznej pogody w Warszawie. ";
    }
    void TearDown() override { fs::remove_all(dir_); }

    // Starts vokrant with its signals as an interactive shell leaves them
    // (a test runner may have started us with some ignored).
    pid_t Start(const std::vector<std::string>& arguments, int stdoutFd = -1) {
        pid_t pid = fork();
        if (pid == 0) {
            for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGPIPE}) ::signal(signal, SIG_DFL);
            setenv("VOKRANT_CONFIG_DIR", (dir_ / "config").c_str(), 1);
            setenv("TMPDIR", (dir_ / "tmp").c_str(), 1);
            int null = open("/dev/null", O_RDWR);
            dup2(null, STDIN_FILENO);
            dup2(stdoutFd >= 0 ? stdoutFd : null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
            close_range(3, ~0u, 0);  // a pipe's read end held here would keep it open
            std::vector<char*> argv{const_cast<char*>(kVokrant.c_str())};
            for (const std::string& argument : arguments)
                argv.push_back(const_cast<char*>(argument.c_str()));
            argv.push_back(nullptr);
            execv(kVokrant.c_str(), argv.data());
            _exit(127);
        }
        return pid;
    }

    // Waits until a file other than `known` shows up in `dir` (the run's
    // temporary file), for at most 20 s.
    bool WaitForNewFile(const fs::path& dir, const std::set<std::string>& known) {
        for (int i = 0; i < 4000; ++i) {
            for (const std::string& name : Listing(dir))
                if (known.count(name) == 0) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return false;
    }

    static int WaitStatus(pid_t pid) {
        int status = 0;
        waitpid(pid, &status, 0);
        return status;
    }

    fs::path dir_;
};

TEST_F(InterruptedOutputTest, EachInterruptionRemovesTheTemporaryFileAndKeepsTheOldTarget) {
    // The shell reports these as 130 (Ctrl-C), 143 and 129: 128 + the signal.
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        SCOPED_TRACE(strsignal(signal));
        const fs::path target = dir_ / "out" / "mowa.wav";
        std::ofstream(target) << "poprzednia zawartość";
        std::ofstream(dir_ / "out" / "notatki.txt") << "cudzy plik";
        const std::set<std::string> before = Listing(dir_ / "out");

        pid_t pid = Start(
            {"-f", (dir_ / "long.txt").string(), "-o", target.string(), "--set", "Speed=100"});
        ASSERT_TRUE(WaitForNewFile(dir_ / "out", before)) << "no temporary file appeared";
        ASSERT_FALSE(fs::is_empty(dir_ / "tmp")) << "the run's scratch settings";
        kill(pid, signal);
        int status = WaitStatus(pid);

        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal)
            << "ends as the signal would have ended it, status " << status;
        EXPECT_EQ(Listing(dir_ / "out"), before);
        EXPECT_EQ(ReadFile(target), "poprzednia zawartość");
        EXPECT_TRUE(fs::is_empty(dir_ / "tmp")) << "the scratch settings folder is gone";
    }
}

TEST_F(InterruptedOutputTest, AClosedStandardOutputEndsTheRunWithoutDebris) {
    int pipeFds[2];
    ASSERT_EQ(pipe(pipeFds), 0);
    pid_t pid =
        Start({"-f", (dir_ / "long.txt").string(), "-o", "-", "--set", "Speed=100"}, pipeFds[1]);
    close(pipeFds[1]);
    char buffer[4096];
    ASSERT_GT(read(pipeFds[0], buffer, sizeof buffer), 0) << "the sound has started";
    close(pipeFds[0]);  // the reader goes away, as `vokrant -o - ... | head -c 4096` does
    int status = WaitStatus(pid);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGPIPE) << "status " << status;
    EXPECT_TRUE(fs::is_empty(dir_ / "tmp")) << "the scratch settings folder is gone";
}

TEST_F(InterruptedOutputTest, TheNextRunRemovesWhatAKilledRunLeftAndNothingElse) {
    const fs::path out = dir_ / "out";
    const fs::path target = out / "mowa.wav";
    // A run killed outright: its temporary file and scratch folder stay.
    pid_t pid =
        Start({"-f", (dir_ / "long.txt").string(), "-o", target.string(), "--set", "Speed=100"});
    ASSERT_TRUE(WaitForNewFile(out, {}));
    kill(pid, SIGKILL);
    WaitStatus(pid);
    std::set<std::string> debris = Listing(out);
    ASSERT_EQ(debris.size(), 1u);
    ASSERT_EQ(Listing(dir_ / "tmp").size(), 1u);

    const std::vector<std::string> lookAlikes = {
        "mowa.wav.vokrant-abc12.tmp",    // one letter short
        "mowa.wav.vokrant-abc1234.tmp",  // one letter long
        "mowa.wav.vokrant-abc-12.tmp",   // not a letter or digit
        "mowa.wav.vokrant-abc123.TMP",   // another ending
        "mowa.wav.abc123",               // the old pattern, which other programs use too
        "inna.wav.vokrant-abc123.tmp",   // another target's
        "mowa.wav.vokrant-abc123.tmp.bak",
    };
    for (const std::string& name : lookAlikes) std::ofstream(out / name) << "nie ruszać";
    fs::create_directory(out / "mowa.wav.vokrant-dir123.tmp");  // a folder, not a file
    fs::create_directory(dir_ / "tmp" / "vokrant-run-abc");     // not a scratch folder's name

    pid = Start({"-o", target.string(), "--set", "Speed=100", "Dzień dobry."});
    ASSERT_EQ(WaitStatus(pid), 0);

    std::set<std::string> expected(lookAlikes.begin(), lookAlikes.end());
    expected.insert({"mowa.wav", "mowa.wav.vokrant-dir123.tmp"});
    EXPECT_EQ(Listing(out), expected);
    EXPECT_EQ(Listing(dir_ / "tmp"), std::set<std::string>{"vokrant-run-abc"});
}

}  // namespace
