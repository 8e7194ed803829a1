// Linux: the handler runs inside a signal handler, so it removes with plain
// system calls only (no allocation, no stdio), then lets the signal end the
// process as it would have without the handler.
#include "platform/interrupt_cleanup.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>

#include "platform/interrupt_cleanup_table.h"

namespace {

bool IsDotOrDotDot(const char* name) {
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// Removes the files directly inside the folder, then the folder. getdents64
// instead of readdir, which may allocate.
void RemoveFolderNow(const char* path) {
    int fd = open(path, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd >= 0) {
        alignas(dirent64) char buffer[4096];
        // Entries removed while the folder is read may hide others: read it twice.
        for (int pass = 0; pass < 2; ++pass) {
            lseek(fd, 0, SEEK_SET);
            ssize_t bytes = 0;
            while ((bytes = getdents64(fd, buffer, sizeof buffer)) > 0) {
                for (ssize_t at = 0; at < bytes;) {
                    const auto* entry = reinterpret_cast<const dirent64*>(buffer + at);
                    if (!IsDotOrDotDot(entry->d_name)) unlinkat(fd, entry->d_name, 0);
                    at += entry->d_reclen;
                }
            }
        }
        close(fd);
    }
    rmdir(path);
}

void OnInterrupt(int signal) {
    int savedErrno = errno;
    RemoveTemporaries();
    errno = savedErrno;
    // SA_RESETHAND has put the default action back: the signal raised here
    // is delivered when the handler returns and ends the process with it.
    raise(signal);
}

}  // namespace

void RemoveTemporaryNow(const STemporaryEntry& entry) {
    if (entry.kind == STemporaryKind::Folder)
        RemoveFolderNow(entry.path);
    else
        unlink(entry.path);
}

void RemoveTemporariesOnInterrupt() {
    for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGPIPE}) {
        struct sigaction previous {};
        if (sigaction(signal, nullptr, &previous) != 0 || previous.sa_handler == SIG_IGN) continue;
        struct sigaction action {};
        action.sa_handler = OnInterrupt;
        action.sa_flags = SA_RESETHAND;
        sigfillset(&action.sa_mask);
        sigaction(signal, &action, nullptr);
    }
}
