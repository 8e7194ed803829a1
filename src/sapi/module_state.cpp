#include "sapi/module_state.h"

#include <atomic>

namespace {

std::atomic<long> g_liveObjects{0};
std::atomic<long> g_locks{0};

}  // namespace

void ModuleObjectCreated() {
    ++g_liveObjects;
}

void ModuleObjectDeleted() {
    --g_liveObjects;
}

long ModuleLiveObjects() {
    return g_liveObjects.load();
}

void ModuleLock() {
    ++g_locks;
}

bool ModuleUnlock() {
    long current = g_locks.load();
    while (current > 0) {
        if (g_locks.compare_exchange_weak(current, current - 1)) return true;
    }
    return false;
}

long ModuleLocks() {
    return g_locks.load();
}

bool ModuleCanUnload() {
    return g_liveObjects.load() == 0 && g_locks.load() == 0;
}
