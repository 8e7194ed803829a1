// Windows: the writer opens its temporary file without letting others
// delete it, so removing a file that a writer still holds fails; a file that
// can be removed, and has not changed for a minute (the moment between
// closing it and renaming it into place), is stale. The handle carries
// delete access, so that an interruption can mark the file for removal
// while it is still open.
#include "platform/sibling_temp_file.h"

#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include <cerrno>
#include <cstring>

#include "platform/codepage.h"
#include "platform/file_commit.h"
#include "platform/file_open.h"
#include "platform/interrupt_cleanup.h"
#include "platform/sibling_temp_name.h"
#include "platform/windows/wide_path.h"

namespace {

constexpr ULONGLONG kStaleAfter100ns = 60ull * 10000000ull;

std::string::size_type NameStart(const std::string& path) {
    std::string::size_type slash = path.find_last_of("\\/:");
    return slash == std::string::npos ? 0 : slash + 1;
}

// Six letters or digits from a counter mixed with the time and the process,
// so that names differ between processes and between calls.
std::string RandomLetters() {
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    static volatile LONG counter = 0;
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    ULONGLONG mixed =
        static_cast<ULONGLONG>(now.QuadPart) * 0x9E3779B97F4A7C15ull ^
        (static_cast<ULONGLONG>(GetCurrentProcessId()) << 32) ^
        static_cast<ULONGLONG>(InterlockedIncrement(&counter)) * 0xBF58476D1CE4E5B9ull;
    std::string letters;
    for (std::size_t i = 0; i < kSiblingTempRandom; ++i, mixed /= 62)
        letters += kLetters[mixed % 62];
    return letters;
}

bool OldEnough(const FILETIME& written) {
    FILETIME nowFile{};
    GetSystemTimeAsFileTime(&nowFile);
    ULARGE_INTEGER now{}, then{};
    now.LowPart = nowFile.dwLowDateTime;
    now.HighPart = nowFile.dwHighDateTime;
    then.LowPart = written.dwLowDateTime;
    then.HighPart = written.dwHighDateTime;
    return now.QuadPart > then.QuadPart && now.QuadPart - then.QuadPart >= kStaleAfter100ns;
}

}  // namespace

int RemoveStaleSiblingTempFiles(const std::string& path) {
    const std::string folder = path.substr(0, NameStart(path));
    const std::string target = path.substr(NameStart(path));
    if (target.empty()) return 0;
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(WidePath(path + kSiblingTempTag + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    int removed = 0;
    do {
        std::string name = Utf16ToUtf8(reinterpret_cast<const char16_t*>(found.cFileName));
        if ((found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) ==
                0 &&
            IsSiblingTempName(name, target) && OldEnough(found.ftLastWriteTime) &&
            DeleteFileW(WidePath(folder + name).c_str()))
            ++removed;
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return removed;
}

std::FILE* CreateSiblingTempFile(const std::string& path, std::string* tempPath) {
    RemoveStaleSiblingTempFiles(path);
    if (path.find('\0') != std::string::npos) return errno = EINVAL, nullptr;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string candidate = path + kSiblingTempTag + RandomLetters() + kSiblingTempSuffix;
        HANDLE handle =
            CreateFileW(WidePath(candidate).c_str(), GENERIC_READ | GENERIC_WRITE | DELETE,
                        FILE_SHARE_READ, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            if (GetLastError() == ERROR_FILE_EXISTS) continue;
            errno = GetLastError() == ERROR_ACCESS_DENIED ? EACCES : ENOENT;
            return nullptr;
        }
        int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDWR | _O_BINARY);
        std::FILE* file = fd >= 0 ? _fdopen(fd, "w+b") : nullptr;
        if (file == nullptr) {
            if (fd >= 0)
                _close(fd);
            else
                CloseHandle(handle);
            DeleteFileW(WidePath(candidate).c_str());
            errno = ENOMEM;
            return nullptr;
        }
        *tempPath = candidate;
        RememberTemporary(candidate, STemporaryKind::File, handle);
        return file;
    }
    errno = EEXIST;
    return nullptr;
}

// A file held open cannot be renamed here, so it is closed first; the sweep
// leaves a file changed within the last minute alone, which covers the gap.
bool CommitSiblingTempFile(std::FILE* stream, const std::string& tempPath,
                           const std::string& path) {
    bool ok = FlushToDisk(stream);
    int error = errno;
    ForgetTemporaryNamed(tempPath);
    ok = std::fclose(stream) == 0 && ok;
    if (ok && !MoveOver(tempPath, path)) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        RemoveFile(tempPath);
        errno = error != 0 ? error : EIO;
    }
    return ok;
}

void DiscardSiblingTempFile(std::FILE* stream, const std::string& tempPath) {
    ForgetTemporaryNamed(tempPath);
    std::fclose(stream);
    RemoveFile(tempPath);
}
