// The list of temporaries to remove on an interruption. The handler may run
// at any moment (inside a signal handler on Linux, on a thread of its own on
// Windows), so the list is a fixed table that is filled before an entry is
// switched on and switched off before it is reused: the handler never sees
// half a path and never allocates.
#include "platform/interrupt_cleanup.h"

#include <atomic>
#include <cstring>

#include "platform/interrupt_cleanup_table.h"

namespace {

STemporaryEntry g_entries[kMaxTemporaries];

}  // namespace

int RememberTemporary(const std::string& path, STemporaryKind kind, void* osHandle) {
    if (path.empty() || path.size() >= kMaxTemporaryPath || path.find('\0') != std::string::npos)
        return -1;
    for (int i = 0; i < kMaxTemporaries; ++i) {
        STemporaryEntry& entry = g_entries[i];
        if (entry.taken.exchange(true)) continue;
        std::memcpy(entry.path, path.c_str(), path.size() + 1);
        entry.kind = kind;
        entry.osHandle = osHandle;
        entry.active.store(true);
        return i;
    }
    return -1;
}

void ForgetTemporary(int entry) {
    if (entry < 0 || entry >= kMaxTemporaries) return;
    g_entries[entry].active.store(false);
    g_entries[entry].taken.store(false);
}

void ForgetTemporaryNamed(const std::string& path) {
    for (int i = 0; i < kMaxTemporaries; ++i)
        if (g_entries[i].active.load() && path == g_entries[i].path) ForgetTemporary(i);
}

void RemoveTemporaries() {
    for (STemporaryEntry& entry : g_entries)
        if (entry.active.load()) RemoveTemporaryNow(entry);
}
