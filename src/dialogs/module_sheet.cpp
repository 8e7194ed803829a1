// Linked into the component module only: loading the module installs the
// settings sheet behind its dialogs interface, ShowSettings and the Dlg tag.
#include "dialogs/sheet_install.h"

namespace {
const bool g_sheetInstalled = (InstallSettingsSheet(), true);
}  // namespace
