// Opening and removing files named by a UTF-8 path, the way the host side
// (the command line, the Speech API's UTF-16 names) hands them over. On
// Windows the name goes to the wide-character calls, so a path such as
// C:\dźwięki\zdanie.wav works whatever the ANSI code page is.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// fopen with a UTF-8 path. Null (errno set) on failure.
std::FILE* OpenFile(const std::string& path, const char* mode);

// Removes the file. False (errno set) on failure.
bool RemoveFile(const std::string& path);

// Whether `path` names an existing regular file (not a folder or device);
// its size in bytes goes to `size` when given.
bool IsRegularFile(const std::string& path, std::uint64_t* size = nullptr);
