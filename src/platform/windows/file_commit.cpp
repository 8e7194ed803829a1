#include "platform/file_commit.h"

#include <windows.h>
#include <io.h>

#include <cerrno>

bool FlushToDisk(std::FILE* stream) { return std::fflush(stream) == 0 && _commit(_fileno(stream)) == 0; }

// rename() refuses an existing target on Windows; MoveFileEx replaces it.
bool MoveOver(const std::string& from, const std::string& to) {
    if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
    errno = GetLastError() == ERROR_ACCESS_DENIED ? EACCES : EIO;
    return false;
}
