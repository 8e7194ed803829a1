// vokrant reads standard input in pieces: its peak memory, read from
// /proc while it runs and from the kernel's account when it ends, stays
// under 64 MB however long the input is.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

const fs::path kVokrant = fs::path(VOKRANT_BINARY_DIR) / "apps/vokrant/vokrant";
const std::string kVoiceDir = VOKRANT_SOURCE_DATA_DIR;
constexpr long kLimitKb = 64 * 1024;

// The peak resident size of a running process in kB (VmHWM), 0 once it is gone.
long PeakKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    return 0;
}

// Starts vokrant reading from a pipe; returns its pid and the pipe's writing end.
pid_t StartVokrant(const fs::path& config, int& input) {
    int fds[2];
    if (pipe(fds) != 0) return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(fds[0], STDIN_FILENO);
        close(fds[0]);
        close(fds[1]);
        setenv("VOKRANT_CONFIG_DIR", config.c_str(), 1);
        execl(kVokrant.c_str(), kVokrant.c_str(), "--voice-dir", kVoiceDir.c_str(), "-o",
              "/dev/null", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fds[0]);
    input = fds[1];
    return pid;
}

bool WriteAll(int fd, const std::string& bytes) {
    for (size_t at = 0; at < bytes.size();) {
        const ssize_t n = write(fd, bytes.data() + at, bytes.size() - at);
        if (n <= 0) return false;
        at += static_cast<size_t>(n);
    }
    return true;
}

TEST(StreamingInput, PeakMemoryStaysUnder64MegabytesFor48MegabytesOfText) {
    if (!fs::exists(kVokrant)) GTEST_SKIP() << "vokrant not built";
    if (!fs::exists(kVoiceDir + "pln_22.als")) GTEST_SKIP() << "shipped voice missing";
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    // The sanitizer's shadow memory and quarantine, not the program's, would be measured.
    GTEST_SKIP() << "peak memory is not the program's own under a sanitizer";
#endif
    signal(SIGPIPE, SIG_IGN);
    const fs::path config =
        fs::temp_directory_path() / ("vokrant-memory-" + std::to_string(getpid()));
    int input = -1;
    const pid_t pid = StartVokrant(config, input);
    ASSERT_GT(pid, 0);

    // A short sentence every quarter megabyte, blank lines between: cheap to
    // speak, and as long as the largest texts users pipe in.
    const std::string blankLines(256 * 1024 - 64, '\n');
    long peak = 0;
    for (int block = 0; block < 192; ++block) {
        const std::string sentence =
            "Zdanie numer " + std::to_string(block) + " jest kr\xC3\xB3tkie.\n";
        ASSERT_TRUE(WriteAll(input, sentence + blankLines)) << "vokrant stopped reading";
        peak = std::max(peak, PeakKb(pid));
    }
    close(input);
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, WNOHANG, &usage) == 0) {
        peak = std::max(peak, PeakKb(pid));
        usleep(10000);
    }
    fs::remove_all(config);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    peak = std::max(peak, usage.ru_maxrss);
    EXPECT_GT(peak, 0);
    EXPECT_LT(peak, kLimitKb) << "peak resident memory " << peak << " kB";
}

}  // namespace
