#include "module_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <thread>

SModuleProcess::SModuleProcess(const std::string& program, const std::string& configFile,
                               int stdoutPipeSize) {
    int in[2], out[2];
    if (pipe(in) != 0) return;
    if (pipe(out) != 0) {
        close(in[0]), close(in[1]);
        return;
    }
    if (stdoutPipeSize > 0) fcntl(out[1], F_SETPIPE_SZ, stdoutPipeSize);
    pid_ = fork();
    if (pid_ == 0) {
        dup2(in[0], STDIN_FILENO);
        dup2(out[1], STDOUT_FILENO);
        close(in[0]), close(in[1]), close(out[0]), close(out[1]);
        if (configFile.empty())
            execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        else
            execl(program.c_str(), program.c_str(), configFile.c_str(),
                  static_cast<char*>(nullptr));
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    toModule_ = in[1];
    fromModule_ = out[0];
    signal(SIGPIPE, SIG_IGN);
}

SModuleProcess::~SModuleProcess() {
    if (toModule_ >= 0) close(toModule_);
    if (pid_ > 0 && Wait(2000) == -1) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    if (fromModule_ >= 0) close(fromModule_);
}

void SModuleProcess::Send(const std::string& text) {
    for (size_t done = 0; done < text.size();) {
        ssize_t written = write(toModule_, text.data() + done, text.size() - done);
        if (written <= 0) return;
        done += static_cast<size_t>(written);
    }
}

bool SModuleProcess::ReadLine(std::string& line, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        const size_t newline = buffer_.find('\n');
        if (newline != std::string::npos) {
            line = buffer_.substr(0, newline);
            buffer_.erase(0, newline + 1);
            return true;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return false;
        pollfd ready{fromModule_, POLLIN, 0};
        if (poll(&ready, 1, static_cast<int>(left.count())) <= 0) return false;
        char chunk[8192];
        const ssize_t got = read(fromModule_, chunk, sizeof chunk);
        if (got <= 0) return false;
        buffer_.append(chunk, static_cast<size_t>(got));
    }
}

std::vector<std::string> SModuleProcess::ReadUntil(const std::vector<std::string>& codes,
                                                   int timeoutMs) {
    std::vector<std::string> lines;
    for (std::string line; ReadLine(line, timeoutMs);) {
        lines.push_back(line);
        for (const std::string& code : codes)
            if (line.rfind(code, 0) == 0) return lines;
    }
    lines.push_back("<timeout>");
    return lines;
}

int SModuleProcess::Wait(int timeoutMs) {
    if (pid_ <= 0) return -1;
    for (int waited = 0; waited <= timeoutMs; waited += 10) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            pid_ = -1;
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return -1;
}

bool DecodeAudioLine(const std::string& line, std::vector<int16_t>& samples) {
    static const std::string kHead("705-AUDIO\0", 10);
    if (line.compare(0, kHead.size(), kHead) != 0) return false;
    std::string bytes;
    for (size_t i = kHead.size(); i < line.size(); ++i) {
        char c = line[i];
        if (c == 0x7D) {
            if (++i >= line.size()) return false;
            c = static_cast<char>(line[i] ^ 0x20);
        }
        bytes += c;
    }
    if (bytes.size() % 2 != 0) return false;
    const size_t first = samples.size();
    samples.resize(first + bytes.size() / 2);
    std::memcpy(samples.data() + first, bytes.data(), bytes.size());
    return true;
}
