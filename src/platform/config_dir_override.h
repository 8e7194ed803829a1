// The folder a live SConfigDirScope points ConfigDir at on this thread.
#pragma once

#include <string>

// The innermost live SConfigDirScope's folder on the calling thread, else null.
const std::string* ConfigDirOverride();
