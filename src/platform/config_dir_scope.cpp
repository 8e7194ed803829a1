// The per-thread settings folder, the same on every system.
#include "platform/config_dir_override.h"
#include "platform/paths.h"

namespace {
thread_local const std::string* t_configDirOverride = nullptr;
}  // namespace

const std::string* ConfigDirOverride() {
    return t_configDirOverride;
}

SConfigDirScope::SConfigDirScope(std::string dir)
    : dir_(std::move(dir)), previous_(t_configDirOverride) {
    t_configDirOverride = &dir_;
}

SConfigDirScope::~SConfigDirScope() {
    t_configDirOverride = previous_;
}
