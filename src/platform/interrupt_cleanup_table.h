// One entry of the interruption cleanup list, shared by the list and each
// system's way of removing an entry.
#pragma once

#include <atomic>
#include <cstddef>

#include "platform/interrupt_cleanup.h"

constexpr int kMaxTemporaries = 32;
constexpr std::size_t kMaxTemporaryPath = 4096;

struct STemporaryEntry {
    std::atomic<bool> taken{false};   // the entry belongs to someone
    std::atomic<bool> active{false};  // and its fields are complete
    STemporaryKind kind = STemporaryKind::File;
    void* osHandle = nullptr;
    char path[kMaxTemporaryPath] = {};
};

// Removes one temporary at once, with only calls that are safe inside a
// signal handler (Linux) or while other threads run on (Windows).
void RemoveTemporaryNow(const STemporaryEntry& entry);
