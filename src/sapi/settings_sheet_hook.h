// The component opens the settings sheet through this hook and knows nothing
// else of it: the dialogs (Qt on Linux, Win32 on Windows) install an opener
// into the module that carries them. Without one, opening is logged and
// refused politely.
#pragma once

#include <string>

class ITTSCentralA;
class SVokrant;

// Shows the sheet for a mode object's engine, speaking through `centralA`
// (may be null), on `startPage`, with `title` (UTF-16) as its caption when
// given. Returns 1 after OK, 0 after Cancel, -1 when nothing could be shown.
using SModeSheetOpener = int (*)(SVokrant& engine, ITTSCentralA* centralA, int startPage,
                                 const std::u16string* title);

void SetModeSheetOpener(SModeSheetOpener opener);
SModeSheetOpener ModeSheetOpener();
