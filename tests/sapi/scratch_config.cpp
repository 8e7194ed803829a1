// Run by hand (not through ctest), the tests would otherwise register into
// the user's real configuration: point them at a scratch directory first.
#include <cstdlib>

namespace {

struct ScratchConfigDir {
    ScratchConfigDir() { setenv("VOKRANT_CONFIG_DIR", VOKRANT_BINARY_DIR "test-config/sapi", 0); }
} g_scratchConfigDir;

}  // namespace
