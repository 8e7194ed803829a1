#include "settings_sheet.h"

#ifdef VOKRANT_HAVE_DIALOGS
#include "dialogs/sheet_runner.h"
#include "core/attribute.h"
#include "platform/log.h"
#include "engine/tts_engine.h"
#endif

#ifdef VOKRANT_HAVE_DIALOGS
std::string OpenSettingsSheet(int, char**) {
    SAttributeSAPI settings(nullptr);  // the user's own saved settings
    STtsEngine engine(nullptr, &settings);
    SSheetRequest request;
    request.settings = &settings;
    request.engine = &engine;
    // The sheet logs why it cannot show itself; the command says it in one line.
    std::string log;
    SLogWriter previous = SetLogWriter([&](const std::string& line) { log += line; });
    int result = RunParamSheet(request);
    SetLogWriter(previous);
    return result < 0 ? "cannot show the settings sheet: no display (set DISPLAY or WAYLAND_DISPLAY)" : "";
}
#else
std::string OpenSettingsSheet(int, char**) {
    return "this vokrant was built without Qt 6 and has no settings sheet; install qt6-base-dev and rebuild";
}
#endif
