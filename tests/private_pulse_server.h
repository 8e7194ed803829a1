// A private `pulseaudio` with a null sink for the tests that play to a real
// sound server. It sets PULSE_SERVER for the test and the programs it runs.
#pragma once

#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

// Starts `pulseaudio` with a null sink (and `modules`) on a private socket.
class PrivatePulseServer {
public:
    explicit PrivatePulseServer(const std::vector<std::string>& modules = {}) {
        char dir[] = "/tmp/vokrant-pulse.XXXXXX";
        if (mkdtemp(dir) == nullptr) return;
        dir_ = dir;
        std::string socket = dir_ + "/native";
        std::string protocol = "module-native-protocol-unix socket=" + socket + " auth-anonymous=1";
        setenv("PULSE_RUNTIME_PATH", dir_.c_str(), 1);
        setenv("PULSE_STATE_PATH", dir_.c_str(), 1);
        std::vector<std::string> args = {"pulseaudio",
                                         "-n",
                                         "--daemonize=no",
                                         "--exit-idle-time=-1",
                                         "--disable-shm=yes",
                                         "--use-pid-file=no",
                                         "--log-level=error",
                                         "-L",
                                         "module-null-sink",
                                         "-L",
                                         protocol};
        for (const std::string& module : modules) args.insert(args.end(), {"-L", module});
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
        Stop();
        unsetenv("PULSE_SERVER");
        if (!dir_.empty()) std::system(("rm -rf '" + dir_ + "'").c_str());
    }
    bool Running() const { return pid_ > 0; }
    pid_t Pid() const { return pid_; }
    void Stop() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
        pid_ = 0;
    }

private:
    pid_t pid_ = 0;
    std::string dir_;
};
