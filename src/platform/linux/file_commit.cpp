#include "platform/file_commit.h"

#include <unistd.h>

bool FlushToDisk(std::FILE* stream) { return std::fflush(stream) == 0 && fsync(fileno(stream)) == 0; }

bool MoveOver(const std::string& from, const std::string& to) { return std::rename(from.c_str(), to.c_str()) == 0; }
