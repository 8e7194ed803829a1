#include "sapi/settings_sheet_hook.h"

#include <atomic>

namespace {
std::atomic<SModeSheetOpener> g_opener{nullptr};
}  // namespace

void SetModeSheetOpener(SModeSheetOpener opener) {
    g_opener = opener;
}

SModeSheetOpener ModeSheetOpener() {
    return g_opener;
}
