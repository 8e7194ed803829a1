// The two steps of an atomic file write that differ between the systems:
// forcing the written data to the disk, and putting the finished file in
// place of the old one in one step. Paths are UTF-8, as for OpenFile.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

// Flushes the stream and waits until its data is on the disk. False (errno
// set) when either fails.
bool FlushToDisk(std::FILE* stream);

// Renames `from` to `to`, replacing `to` when it exists. False (errno set) on failure.
bool MoveOver(const std::string& from, const std::string& to);

// Whether writes to the stream always go to its end (opened for appending),
// so that seeking back to patch a header would not work.
bool StreamAppends(std::FILE* stream);

// Bytes written to the stream reach the file unchanged (no newline translation).
void SetBinaryMode(std::FILE* stream);

// Moves the stream's position to `offset` bytes from its start, also past
// 2 GB where `long` has 32 bits. False on failure.
bool SeekTo(std::FILE* stream, std::uint64_t offset);

// Whether `path` names an existing device, pipe or socket (such as
// /dev/null or a named pipe): something written to in place, never
// replaced by a file.
bool IsDeviceOrPipe(const std::string& path);
