// Linux: the writer holds a flock on its temporary file from the moment it
// exists until it is renamed into place; a file nobody locks is stale.
#include "platform/sibling_temp_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/file_commit.h"
#include "platform/interrupt_cleanup.h"
#include "platform/sibling_temp_name.h"

namespace {

// Whether the name still leads to the open file: a sweeper of another
// process may have removed it between its creation and our lock.
bool StillNamed(int fd, const std::string& path) {
    struct stat open {
    }, named{};
    return fstat(fd, &open) == 0 && lstat(path.c_str(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

std::string FolderOf(const std::string& path) {
    std::string::size_type slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    std::string::size_type slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Creates, locks and checks one new temporary file. -1 when it has to be tried again
// (errno EAGAIN) or cannot be made at all.
int CreateLocked(const std::string& path, std::string* tempPath) {
    std::string name =
        path + kSiblingTempTag + std::string(kSiblingTempRandom, 'X') + kSiblingTempSuffix;
    int fd = mkostemps(name.data(), static_cast<int>(std::strlen(kSiblingTempSuffix)), O_CLOEXEC);
    if (fd < 0) return -1;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0 || !StillNamed(fd, name)) {
        close(fd);  // a sweeper holds or removed it; it is its to remove
        errno = EAGAIN;
        return -1;
    }
    *tempPath = name;
    return fd;
}

// Removes one candidate if its writer is gone. The lock is taken on the
// file itself, so a writer holding it keeps it; checking the name again
// under the lock makes sure it is still the file that was locked.
bool RemoveIfStale(const std::string& path) {
    int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    bool removed = fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == geteuid() &&
                   flock(fd, LOCK_EX | LOCK_NB) == 0 && StillNamed(fd, path) &&
                   unlink(path.c_str()) == 0;
    close(fd);
    return removed;
}

}  // namespace

int RemoveStaleSiblingTempFiles(const std::string& path) {
    const std::string folder = FolderOf(path);
    const std::string target = NameOf(path);
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) return 0;
    int removed = 0;
    while (const dirent* entry = readdir(dir))
        if (IsSiblingTempName(entry->d_name, target) && RemoveIfStale(folder + "/" + entry->d_name))
            ++removed;
    closedir(dir);
    return removed;
}

std::FILE* CreateSiblingTempFile(const std::string& path, std::string* tempPath) {
    RemoveStaleSiblingTempFiles(path);
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        fd = CreateLocked(path, tempPath);
        if (fd < 0 && errno != EAGAIN) return nullptr;
    }
    if (fd < 0) return nullptr;
    fchmod(fd, 0644);
    std::FILE* file = fdopen(fd, "w+b");
    if (file == nullptr) {
        int error = errno;
        unlink(tempPath->c_str());
        close(fd);
        errno = error;
        return nullptr;
    }
    RememberTemporary(*tempPath, STemporaryKind::File);
    return file;
}

// Renamed while still open and locked, so no sweeper can take it on the way.
bool CommitSiblingTempFile(std::FILE* stream, const std::string& tempPath,
                           const std::string& path) {
    bool ok = FlushToDisk(stream) && MoveOver(tempPath, path);
    int error = errno;
    if (ok) {
        // The rename itself reaches the disk with its folder.
        int folder = open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (folder >= 0) {
            fsync(folder);
            close(folder);
        }
    } else {
        unlink(tempPath.c_str());
    }
    ForgetTemporaryNamed(tempPath);
    ok = std::fclose(stream) == 0 && ok;
    if (!ok && error != 0) errno = error;
    return ok;
}

void DiscardSiblingTempFile(std::FILE* stream, const std::string& tempPath) {
    unlink(tempPath.c_str());
    ForgetTemporaryNamed(tempPath);
    std::fclose(stream);
}
