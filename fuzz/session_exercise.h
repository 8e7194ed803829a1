// Runs the speech-dispatcher module's whole session loop over one arbitrary
// conversation: the bytes are what the server would write to the module
// (INIT, SET, SPEAK with its text, STOP, ...), read from a memory file; the
// module's replies go to /dev/null. The session must end at the end of its
// input, whatever the conversation, without a fault or a hang.
#pragma once

#include <fcntl.h>
#include <stdlib.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "module_session.h"
#include "protocol_io.h"

namespace session_exercise {

// A settings folder of the exercise's own, made once: the session never
// reads or writes the user's settings.
inline const std::string& ScratchSettingsDir() {
    static const std::string dir = [] {
        char pattern[] = "/tmp/vokrant-session-fuzz-XXXXXX";
        if (mkdtemp(pattern) == nullptr) std::abort();
        return std::string(pattern);
    }();
    return dir;
}

// Standard output goes to /dev/null while it lives.
class SQuietOutput {
public:
    SQuietOutput() : saved_(dup(STDOUT_FILENO)) {
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0) dup2(null, STDOUT_FILENO), close(null);
    }
    ~SQuietOutput() {
        if (saved_ >= 0) dup2(saved_, STDOUT_FILENO), close(saved_);
    }
    SQuietOutput(const SQuietOutput&) = delete;
    SQuietOutput& operator=(const SQuietOutput&) = delete;

private:
    int saved_;
};

inline void ExerciseSession(const uint8_t* data, size_t size, const std::string& voiceDir) {
    const int input = memfd_create("vokrant-session", 0);
    if (input < 0) std::abort();
    for (size_t at = 0; at < size;) {
        const ssize_t n = write(input, data + at, size - at);
        if (n <= 0) std::abort();
        at += static_cast<size_t>(n);
    }
    lseek(input, 0, SEEK_SET);
    {
        SQuietOutput quiet;
        SLineReader reader(input);
        SModuleSession session(reader, SModuleConfig{voiceDir, ScratchSettingsDir()});
        session.Run();
    }
    close(input);
}

}  // namespace session_exercise
