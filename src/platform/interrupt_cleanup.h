// Temporaries that a program removes when it is interrupted: Ctrl-C,
// SIGTERM, SIGHUP, or a reader of its standard output gone (SIGPIPE); on
// Windows Ctrl-C, Ctrl-Break and closing the console window. The list is
// kept by whoever creates a temporary (sibling temporary files register
// themselves); only a program installs the handler, never a library.
#pragma once

#include <string>

enum class STemporaryKind { File, Folder };

// Adds `path` to the list until ForgetTemporary. A folder is removed with the
// files directly inside it. Returns the entry's number, or -1 when the list
// is full or the path too long (the temporary is then only cleaned up by
// the next run). `osHandle` (Windows: the open file's HANDLE, opened with
// delete access) lets the handler remove a file its writer still holds.
int RememberTemporary(const std::string& path, STemporaryKind kind, void* osHandle = nullptr);

// Takes an entry off the list (-1 is ignored).
void ForgetTemporary(int entry);
// Takes the entry of `path` off the list, if there is one.
void ForgetTemporaryNamed(const std::string& path);

// Removes every listed temporary now. Safe inside a signal handler.
void RemoveTemporaries();

// Installs the handler: on an interruption it removes the listed
// temporaries, then ends the process the way the interruption would have
// (Linux: dies of the same signal, so a shell reports 128 + its number, 130
// for Ctrl-C and 143 for SIGTERM; Windows: exit status STATUS_CONTROL_C_EXIT).
// A signal the program was started with ignored (nohup, a background job)
// stays ignored.
void RemoveTemporariesOnInterrupt();
