// Temporary files written beside a target and put in its place in one step
// when complete, so that a reader never sees half a file and a failed or
// interrupted write leaves the old target alone.
//
// A temporary file is named <target>.vokrant-XXXXXX.tmp (six letters or
// digits) and is held while its writer has it open: on Linux by a lock on
// the file, on Windows by opening it without letting others delete it. A
// file of that exact name that nobody holds is what a writer killed outright
// (SIGKILL, power loss) left behind; the next CreateSiblingTempFile for the
// same target removes it, and nothing else. While it is written the file is
// also on this process's list of temporaries that an interrupting signal
// removes (platform/interrupt_cleanup.h). Paths are UTF-8, as for OpenFile.
#pragma once

#include <cstdio>
#include <string>

// Removes the stale temporary files of `path`, then creates and opens for
// writing and reading back ("w+b") a new one, readable like any other file
// once in place. Null (errno set) on failure.
std::FILE* CreateSiblingTempFile(const std::string& path, std::string* tempPath);

// Flushes the stream to the disk, puts the temporary file in place of `path`
// and closes the stream. On failure (errno set) the temporary file is
// removed and `path` keeps its old contents. The stream is closed either way.
bool CommitSiblingTempFile(std::FILE* stream, const std::string& tempPath, const std::string& path);

// Closes the stream and removes its temporary file; the target is not touched.
void DiscardSiblingTempFile(std::FILE* stream, const std::string& tempPath);

// Whether `fileName` (a name without folder) has the exact form of a
// temporary file of the target named `targetName`.
bool IsSiblingTempName(const std::string& fileName, const std::string& targetName);

// Removes the temporary files of `path` whose writers are gone: files of the
// exact name pattern, owned by this user, that no writer holds (on Windows
// also unchanged for a minute, which covers the moment between closing and
// renaming). Returns how many were removed.
int RemoveStaleSiblingTempFiles(const std::string& path);
