// The module as speech-dispatcher runs it: a child process with a pipe on
// each side; every read has a time limit, so a module that hangs fails the
// test instead of stopping the suite.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

class SModuleProcess {
public:
    // Starts the module with the given configuration file (may be "").
    SModuleProcess(const std::string& program, const std::string& configFile,
                   int stdoutPipeSize = 0);
    ~SModuleProcess();
    SModuleProcess(const SModuleProcess&) = delete;
    SModuleProcess& operator=(const SModuleProcess&) = delete;

    bool Running() const { return pid_ > 0; }
    void Send(const std::string& text);
    // One line without its newline; false after the time limit or at the end.
    bool ReadLine(std::string& line, int timeoutMs = 10000);
    // Lines up to and including the first that starts with one of the codes.
    std::vector<std::string> ReadUntil(const std::vector<std::string>& codes,
                                       int timeoutMs = 10000);
    // Bytes already read from the module and not yet returned as lines.
    size_t Buffered() const { return buffer_.size(); }
    // Waits for the module to end; its exit status, or -1.
    int Wait(int timeoutMs = 5000);

private:
    pid_t pid_ = -1;
    int toModule_ = -1;
    int fromModule_ = -1;
    std::string buffer_;
};

// The samples of one "705-AUDIO\0..." line, unescaped; false when malformed.
bool DecodeAudioLine(const std::string& line, std::vector<int16_t>& samples);
