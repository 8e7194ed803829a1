// The two steps of an atomic file write that differ between the systems:
// forcing the written data to the disk, and putting the finished file in
// place of the old one in one step.
#pragma once

#include <cstdio>
#include <string>

// Flushes the stream and waits until its data is on the disk. False (errno
// set) when either fails.
bool FlushToDisk(std::FILE* stream);

// Renames `from` to `to`, replacing `to` when it exists. False (errno set) on failure.
bool MoveOver(const std::string& from, const std::string& to);
