#include "platform/reg_key.h"

#include <cstdlib>

SRegKey::SRegKey(SRegRoot root, const std::string& path, bool create)
    : root_(root), path_(NormaliseKeyPath(path)) {
    if (path_.empty() || !Valid(path_)) return;
    SRegLocation where = LocateKey(root_, path_);
    if (create) {
        open_ = true;
        SRegOp op{SRegOp::CreateKey, where.path, {}};
        bool exists = false;
        ReadHive(where.file, where.rootName,
                 [&](const SRegHive& hive) { exists = hive.FindKey(where.path) != nullptr; });
        if (!exists) ApplyHiveOp(where.file, where.rootName, op);
        return;
    }
    ReadHive(where.file, where.rootName,
             [&](const SRegHive& hive) { open_ = hive.FindKey(where.path) != nullptr; });
}

bool SRegKey::Apply(const SRegOp& op) {
    if (!open_) return false;
    SRegLocation where = LocateKey(root_, path_);
    SRegOp located = op;
    located.path = where.path;
    return ApplyHiveOp(where.file, where.rootName, located);
}

bool SRegKey::ReadValue(const std::string& name, SRegValue* value) const {
    if (!open_) return false;
    SRegLocation where = LocateKey(root_, path_);
    bool found = false;
    ReadHive(where.file, where.rootName, [&](const SRegHive& hive) {
        const SRegKeyData* key = hive.FindKey(where.path);
        const SRegValue* stored = key ? key->FindValue(name) : nullptr;
        if (stored) {
            *value = *stored;
            found = true;
        }
    });
    return found;
}

bool SRegKey::DeleteKey() {
    if (!open_ || !SubkeyNames().empty()) return false;
    bool ok = Apply({SRegOp::DeleteTree, "", {}});
    open_ = false;
    return ok;
}

std::vector<std::string> SRegKey::SubkeyNames() const {
    std::vector<std::string> names;
    if (!open_) return names;
    SRegLocation where = LocateKey(root_, path_);
    ReadHive(where.file, where.rootName,
             [&](const SRegHive& hive) { names = hive.SubkeyNames(where.path); });
    return names;
}

std::vector<std::string> SRegKey::ValueNames() const {
    std::vector<std::string> names;
    if (!open_) return names;
    SRegLocation where = LocateKey(root_, path_);
    ReadHive(where.file, where.rootName, [&](const SRegHive& hive) {
        if (const SRegKeyData* key = hive.FindKey(where.path))
            for (const SRegValue& value : key->values) names.push_back(value.name);
    });
    return names;
}

// File names are bytes on Linux: stored and read as they are.
bool SRegKey::ReadPath(const std::string& name, std::string* value) const {
    return ReadString(name, value);
}

bool SRegKey::SetPath(const std::string& name, const std::string& value) {
    return SetString(name, value);
}
