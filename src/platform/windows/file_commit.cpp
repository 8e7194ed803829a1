#include "platform/file_commit.h"

#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include <cerrno>
#include <string>

#include "platform/file_open.h"
#include "platform/windows/wide_path.h"

bool FlushToDisk(std::FILE* stream) {
    return std::fflush(stream) == 0 && _commit(_fileno(stream)) == 0;
}

// rename() refuses an existing target on Windows; MoveFileEx replaces it.
bool MoveOver(const std::string& from, const std::string& to) {
    if (MoveFileExW(WidePath(from).c_str(), WidePath(to).c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    errno = GetLastError() == ERROR_ACCESS_DENIED ? EACCES : EIO;
    return false;
}

bool StreamAppends(std::FILE* stream) {
    // Windows keeps no append flag on the handle that could be asked; a
    // file or pipe is patched only when seeking to its start works.
    return _lseeki64(_fileno(stream), 0, SEEK_CUR) < 0;
}

void SetBinaryMode(std::FILE* stream) {
    _setmode(_fileno(stream), _O_BINARY);
}

bool SeekTo(std::FILE* stream, std::uint64_t offset) {
    return offset <= static_cast<std::uint64_t>(INT64_MAX) &&
           _fseeki64(stream, static_cast<__int64>(offset), SEEK_SET) == 0;
}

bool IsDeviceOrPipe(const std::string& path) {
    // Opening a named pipe would connect to its server: its name says enough.
    if (path.rfind("\\\\.\\pipe\\", 0) == 0) return true;
    // NUL, CON, COM1 ...: asking for no access opens a device without touching it.
    HANDLE handle = CreateFileW(WidePath(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return false;
    DWORD type = GetFileType(handle);
    CloseHandle(handle);
    return type == FILE_TYPE_CHAR || type == FILE_TYPE_PIPE;
}
