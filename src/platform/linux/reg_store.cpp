#include "platform/reg_store.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <map>
#include <mutex>
#include <vector>

#include "platform/log.h"
#include "platform/paths.h"
#include "platform/sibling_temp_file.h"

namespace {

struct FileStamp {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    long mtimeSec = 0, mtimeNsec = 0;
    bool operator==(const FileStamp&) const = default;
};

struct HiveState {
    std::string rootName;
    SRegHive hive;  // what is on disk plus this process's pending changes
    FileStamp stamp;
    bool loaded = false;
    std::vector<SRegOp> pending;
    bool writeErrorReported = false;
};

std::mutex g_mutex;
std::map<std::string, HiveState> g_hives;  // by file path
int g_batchDepth = 0;

FileStamp StampOf(const std::string& file) {
    FileStamp stamp;
    struct stat st;
    if (::stat(file.c_str(), &st) != 0) return stamp;
    stamp.exists = true;
    stamp.device = st.st_dev;
    stamp.inode = st.st_ino;
    stamp.size = st.st_size;
    stamp.mtimeSec = st.st_mtim.tv_sec;
    stamp.mtimeNsec = st.st_mtim.tv_nsec;
    return stamp;
}

std::string DirectoryOf(const std::string& file) {
    size_t slash = file.rfind('/');
    return slash == std::string::npos ? "." : (slash == 0 ? "/" : file.substr(0, slash));
}

// Holds the inter-process advisory lock of one hive while it lives.
class HiveFileLock {
public:
    explicit HiveFileLock(const std::string& file) {
        fd_ = ::open((file + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd_ < 0) return;
        while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
        }
    }
    ~HiveFileLock() {
        if (fd_ >= 0) ::close(fd_);  // closing releases the lock
    }
    HiveFileLock(const HiveFileLock&) = delete;
    HiveFileLock& operator=(const HiveFileLock&) = delete;
    bool Held() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

// Reads the whole file. ENOENT is reported as success with an empty text.
bool ReadText(const std::string& file, std::string* text, int* error) {
    text->clear();
    int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        *error = errno;
        return errno == ENOENT;
    }
    char buffer[65536];
    ssize_t n;
    while ((n = ::read(fd, buffer, sizeof buffer)) != 0) {
        if (n < 0) {
            if (errno == EINTR) continue;
            *error = errno;
            ::close(fd);
            return false;
        }
        text->append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    return true;
}

// Temporary file, flush, rename (platform/sibling_temp_file.h). The hive
// stays private to its owner.
bool WriteAtomically(const std::string& file, const std::string& text) {
    std::string temp;
    std::FILE* stream = CreateSiblingTempFile(file, &temp);
    if (stream == nullptr) return false;
    if (::fchmod(fileno(stream), 0600) != 0 ||
        std::fwrite(text.data(), 1, text.size(), stream) != text.size()) {
        DiscardSiblingTempFile(stream, temp);
        return false;
    }
    return CommitSiblingTempFile(stream, temp, file);
}

// Renames a damaged hive out of the way; the caller holds the file lock.
void SetAside(const std::string& file, const std::string& why) {
    std::string aside =
        file + ".damaged-" + std::to_string(static_cast<long long>(std::time(nullptr)));
    for (int n = 1; StampOf(aside).exists; ++n)
        aside = file + ".damaged-" + std::to_string(static_cast<long long>(std::time(nullptr))) +
                "-" + std::to_string(n);
    if (::rename(file.c_str(), aside.c_str()) == 0)
        LogMessage("rejestr: plik %s jest uszkodzony (%s); przeniesiono go do %s\n", file.c_str(),
                   why.c_str(), aside.c_str());
    else
        LogMessage("rejestr: plik %s jest uszkodzony (%s) i nie da sie go przeniesc: %s\n",
                   file.c_str(), why.c_str(), std::strerror(errno));
}

// Replaces the in-memory hive by the file's content plus the pending changes.
// Returns false when the file exists but cannot be read (then nothing may be
// written over it).
bool LoadFromDisk(HiveState& state, const std::string& file, const std::string& rootName,
                  bool fileLocked);

void Replay(SRegHive& hive, const SRegOp& op) {
    switch (op.kind) {
        case SRegOp::CreateKey:
            hive.CreateKey(op.path);
            break;
        case SRegOp::SetValue:
            hive.SetValue(op.path, op.value);
            break;
        case SRegOp::DeleteValue:
            hive.DeleteValue(op.path, op.value.name);
            break;
        case SRegOp::DeleteTree:
            hive.DeleteTree(op.path);
            break;
    }
}

bool LoadFromDisk(HiveState& state, const std::string& file, const std::string& rootName,
                  bool fileLocked) {
    std::string text, why;
    int error = 0;
    SRegHive hive;
    bool readable = ReadText(file, &text, &error);
    if (!readable) {
        LogMessage("rejestr: nie mozna odczytac %s: %s\n", file.c_str(), std::strerror(error));
    } else if (!hive.Parse(text, rootName, &why)) {
        if (!fileLocked) {
            HiveFileLock lock(file);
            // Another process may have replaced it meanwhile: decide under the lock.
            return LoadFromDisk(state, file, rootName, true);
        }
        SetAside(file, why);
        hive = SRegHive();
    }
    for (const SRegOp& op : state.pending) Replay(hive, op);
    state.hive = std::move(hive);
    state.stamp = StampOf(file);
    state.loaded = true;
    return readable;
}

void Refresh(HiveState& state, const std::string& file, const std::string& rootName) {
    if (!state.loaded || !(StampOf(file) == state.stamp))
        LoadFromDisk(state, file, rootName, false);
}

bool CommitHive(HiveState& state, const std::string& file, const std::string& rootName) {
    if (state.pending.empty()) return true;
    bool ok = MakeDirectories(DirectoryOf(file));
    if (ok) {
        HiveFileLock lock(file);
        ok = lock.Held() && LoadFromDisk(state, file, rootName, true) &&
             WriteAtomically(file, state.hive.Format(rootName));
        if (ok) state.stamp = StampOf(file);
    }
    if (!ok && !state.writeErrorReported) {
        LogMessage("rejestr: nie mozna zapisac %s: %s\n", file.c_str(), std::strerror(errno));
        state.writeErrorReported = true;
    }
    state.pending.clear();
    return ok;
}

}  // namespace

SRegLocation LocateKey(SRegRoot root, const std::string& path) {
    const std::string dir = ConfigDir() + "/";
    switch (root) {
        case SRegRoot::CurrentUser:
            return {dir + "user.reg", "HKEY_CURRENT_USER", NormaliseKeyPath(path)};
        case SRegRoot::LocalMachine:
            return {dir + "machine.reg", "HKEY_LOCAL_MACHINE", NormaliseKeyPath(path)};
        case SRegRoot::ClassesRoot:
            return {dir + "machine.reg", "HKEY_LOCAL_MACHINE",
                    NormaliseKeyPath("Software\\Classes\\" + path)};
    }
    return {};
}

void ReadHive(const std::string& file, const std::string& rootName,
              const std::function<void(const SRegHive&)>& reader) {
    std::lock_guard guard(g_mutex);
    HiveState& state = g_hives[file];
    state.rootName = rootName;
    Refresh(state, file, rootName);
    reader(state.hive);
}

bool ApplyHiveOp(const std::string& file, const std::string& rootName, const SRegOp& op) {
    std::lock_guard guard(g_mutex);
    HiveState& state = g_hives[file];
    state.rootName = rootName;
    Refresh(state, file, rootName);
    Replay(state.hive, op);
    state.pending.push_back(op);
    return g_batchDepth > 0 || CommitHive(state, file, rootName);
}

SRegBatch::SRegBatch() {
    std::lock_guard guard(g_mutex);
    ++g_batchDepth;
}

SRegBatch::~SRegBatch() {
    std::lock_guard guard(g_mutex);
    if (--g_batchDepth > 0) return;
    for (auto& [file, state] : g_hives) CommitHive(state, file, state.rootName);
}

bool SRegBatch::Commit() {
    std::lock_guard guard(g_mutex);
    bool ok = true;
    for (auto& [file, state] : g_hives) ok = CommitHive(state, file, state.rootName) && ok;
    return ok;
}
