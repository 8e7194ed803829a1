// Opening the settings sheet from the places that offer it: the dialogs
// interface of a mode object (start page, caption), the engine's
// ShowSettings, and the desktop program.
#pragma once

#include <QString>

#include "dialogs/sheet_install.h"

class SAttribute;
class STestSpeaker;
class STtsEngine;

struct SSheetRequest {
    SAttribute* settings = nullptr;   // required
    STtsEngine* engine = nullptr;     // optional: pause patterns and dictionary follow OK
    STestSpeaker* speaker = nullptr;  // optional: enables the test buttons
    int startPage = 0;                // 0 General, 1 Dictionary, 2 Conversions, 3 Info
    QString caption;                  // empty: the component's name
};

// Shows the sheet modally, without an owner window. A process without a Qt
// application gets one for the time of the sheet, when a display is
// available. Returns 1 after OK, 0 after Cancel, -1 when nothing could be
// shown (no settings, no display).
int RunParamSheet(const SSheetRequest& request);
