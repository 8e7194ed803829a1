#include "platform/file_commit.h"

#include <cstdint>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool FlushToDisk(std::FILE* stream) {
    return std::fflush(stream) == 0 && fsync(fileno(stream)) == 0;
}

bool MoveOver(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

bool StreamAppends(std::FILE* stream) {
    int flags = fcntl(fileno(stream), F_GETFL);
    return flags == -1 || (flags & O_APPEND) != 0;
}

void SetBinaryMode(std::FILE*) {}

bool SeekTo(std::FILE* stream, std::uint64_t offset) {
    return offset <= static_cast<std::uint64_t>(INT64_MAX) &&
           fseeko(stream, static_cast<off_t>(offset), SEEK_SET) == 0;
}

bool IsDeviceOrPipe(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode);
}
