// Linux: the scratch hive is a copy of the user's hive file in a temporary
// folder, and VOKRANT_CONFIG_DIR points the component at it. The run holds a
// lock on the folder while it lives; a folder of the same name pattern that
// nobody locks was left by a run that was killed, and the next run removes it.
#include <dirent.h>
#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/interrupt_cleanup.h"
#include "run_settings.h"

namespace fs = std::filesystem;

namespace {

constexpr char kScratchPrefix[] = "vokrant-run-";
constexpr std::size_t kScratchRandom = 6;

bool IsScratchName(const char* name) {
    const std::size_t prefix = sizeof kScratchPrefix - 1;
    if (std::strlen(name) != prefix + kScratchRandom ||
        std::strncmp(name, kScratchPrefix, prefix) != 0)
        return false;
    for (const char* c = name + prefix; *c != '\0'; ++c)
        if (!std::isalnum(static_cast<unsigned char>(*c))) return false;
    return true;
}

bool SameInode(int fd, const std::string& path) {
    struct stat open {
    }, named{};
    return fstat(fd, &open) == 0 && lstat(path.c_str(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
}

// Opens and locks the folder; -1 when someone else holds it or it is gone.
int LockFolder(const std::string& path) {
    int fd = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return -1;
    struct stat st {};
    if (fstat(fd, &st) != 0 || st.st_uid != geteuid() || flock(fd, LOCK_EX | LOCK_NB) != 0 ||
        !SameInode(fd, path)) {
        close(fd);
        return -1;
    }
    return fd;
}

void RemoveStaleScratchFolders(const std::string& tempDir) {
    DIR* dir = opendir(tempDir.c_str());
    if (dir == nullptr) return;
    while (const dirent* entry = readdir(dir)) {
        if (!IsScratchName(entry->d_name)) continue;
        const std::string path = tempDir + "/" + entry->d_name;
        int fd = LockFolder(path);
        if (fd < 0) continue;
        std::error_code ignored;
        fs::remove_all(path, ignored);
        close(fd);
    }
    closedir(dir);
}

// Creates a new scratch folder and locks it. -1 on failure.
int CreateLockedFolder(const std::string& tempDir, std::string* path) {
    for (int attempt = 0; attempt < 16; ++attempt) {
        std::string pattern = tempDir + "/" + kScratchPrefix + std::string(kScratchRandom, 'X');
        if (mkdtemp(pattern.data()) == nullptr) return -1;
        // Another run's sweep may take it before it is locked: then try again.
        int fd = LockFolder(pattern);
        if (fd >= 0) {
            *path = pattern;
            return fd;
        }
    }
    return -1;
}

}  // namespace

SRunSettings::~SRunSettings() {
    if (scratchDir_.empty()) return;
    std::error_code ignored;
    fs::remove_all(scratchDir_, ignored);
    ForgetTemporaryNamed(scratchDir_);
    if (scratchLock_ >= 0) close(scratchLock_);
}

std::string SRunSettings::MoveToScratchHive(const std::string& userConfigDir) {
    std::error_code error;
    const std::string tempDir = fs::temp_directory_path(error).string();
    if (error) return "cannot find the folder for temporary files";
    RemoveStaleScratchFolders(tempDir);
    scratchLock_ = CreateLockedFolder(tempDir, &scratchDir_);
    if (scratchLock_ < 0) return "cannot create a scratch folder for this run's settings";
    RememberTemporary(scratchDir_, STemporaryKind::Folder);
    // The user's hive comes along so that what the command line leaves
    // alone (regional formats, other values) stays as the user saved it.
    std::error_code ignored;
    fs::copy_file(userConfigDir + "/user.reg", scratchDir_ + "/user.reg", ignored);
    if (setenv("VOKRANT_CONFIG_DIR", scratchDir_.c_str(), 1) != 0)
        return "cannot switch to this run's settings";
    return "";
}
