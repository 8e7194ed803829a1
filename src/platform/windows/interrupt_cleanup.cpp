// Windows: the console calls the handler on a thread of its own for Ctrl-C,
// Ctrl-Break and the closing of its window. Files still held by their
// writers are marked for removal through their own handles (they go when the
// process ends and closes them); the rest are removed by name.
#include "platform/interrupt_cleanup.h"

#include <windows.h>

#include <string>

#include "platform/interrupt_cleanup_table.h"

namespace {

// What the console's own handler ends a process with on Ctrl-C.
constexpr UINT kInterruptedStatus = 0xC000013A;  // STATUS_CONTROL_C_EXIT

BOOL WINAPI OnConsoleEvent(DWORD event) {
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT && event != CTRL_CLOSE_EVENT)
        return FALSE;
    RemoveTemporaries();
    ExitProcess(kInterruptedStatus);
}

}  // namespace

void RemoveTemporaryNow(const STemporaryEntry& entry) {
    if (entry.osHandle != nullptr) {
        FILE_DISPOSITION_INFO remove{};
        remove.DeleteFile = TRUE;
        if (SetFileInformationByHandle(static_cast<HANDLE>(entry.osHandle), FileDispositionInfo,
                                       &remove, sizeof remove))
            return;
    }
    wchar_t wide[kMaxTemporaryPath];
    if (MultiByteToWideChar(CP_UTF8, 0, entry.path, -1, wide, kMaxTemporaryPath) == 0) return;
    if (entry.kind == STemporaryKind::Folder) {
        // Only what it holds directly, as on Linux.
        WIN32_FIND_DATAW found{};
        std::wstring pattern = std::wstring(wide) + L"\\*";
        HANDLE search = FindFirstFileW(pattern.c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
                    DeleteFileW((std::wstring(wide) + L"\\" + found.cFileName).c_str());
            } while (FindNextFileW(search, &found));
            FindClose(search);
        }
        RemoveDirectoryW(wide);
    } else {
        DeleteFileW(wide);
    }
}

void RemoveTemporariesOnInterrupt() {
    SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}
