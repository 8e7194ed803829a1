// The file-backed registry: one hive file per root, shared between processes.
//
// Every change is a small operation (create key, set value, delete value,
// delete tree). Committing takes an advisory lock (flock on "<hive>.lock"),
// re-reads the file, replays this process's pending operations on what is
// there now, writes a temporary file, flushes it and renames it over the hive,
// so two processes saving at once lose nothing of each other's changes.
// Outside an SRegBatch every change commits at once.
//
// A file that does not parse is reported once through the log, renamed to
// "<hive>.damaged-<time>" and replaced by an empty hive: never overwritten.
#pragma once

#include <functional>
#include <string>

#include "platform/reg_hive.h"

enum class SRegRoot { CurrentUser, LocalMachine, ClassesRoot };

// The hive file and in-file root name of a root, and the key path inside that
// hive (classes root lives under HKEY_LOCAL_MACHINE\Software\Classes).
struct SRegLocation {
    std::string file;      // full path of user.reg or machine.reg
    std::string rootName;  // "HKEY_CURRENT_USER" or "HKEY_LOCAL_MACHINE"
    std::string path;      // key path inside the hive
};
SRegLocation LocateKey(SRegRoot root, const std::string& path);

struct SRegOp {
    enum Kind { CreateKey, SetValue, DeleteValue, DeleteTree } kind;
    std::string path;
    SRegValue value;  // SetValue: the value; DeleteValue: its name
};

// Reads the current state of a hive (refreshed from disk when it changed).
// The callback runs under the store's lock; do not call back into the registry.
void ReadHive(const std::string& file, const std::string& rootName,
              const std::function<void(const SRegHive&)>& reader);

// Applies a change; commits unless a batch is open. False when the change
// could not be saved (the error is logged once per hive).
bool ApplyHiveOp(const std::string& file, const std::string& rootName, const SRegOp& op);

// Groups the changes made while it lives into one locked save per hive.
class SRegBatch {
public:
    SRegBatch();
    ~SRegBatch();
    SRegBatch(const SRegBatch&) = delete;
    SRegBatch& operator=(const SRegBatch&) = delete;
    // Commits now (the batch stays open). False when a hive could not be saved.
    bool Commit();
};
