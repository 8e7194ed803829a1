#include "settings_sheet.h"

#if defined(VOKRANT_HAVE_DIALOGS) && defined(_WIN32)
#include <memory>

#include "core/attribute.h"
#include "dialogs/windows/wave_out_speaker.h"
#include "dialogs/windows/win_param_sheet.h"
#include "engine/tts_engine.h"
#elif defined(VOKRANT_HAVE_DIALOGS)
#include "core/attribute.h"
#include "dialogs/sheet_runner.h"
#include "engine/tts_engine.h"
#include "platform/log.h"
#elif !defined(_WIN32)
#include <unistd.h>

#include <cerrno>
#include <cstring>
#endif

#if defined(VOKRANT_HAVE_DIALOGS) && defined(_WIN32)
std::string OpenSettingsSheet(int, char**) {
    SAttributeSAPI settings(nullptr);  // the user's own saved settings
    STtsEngine engine(nullptr, &settings);
    // Without a host's voice object, "&Testuj" plays on the default wave-out
    // device; without the voice it stays disabled.
    std::unique_ptr<SWaveOutTestSpeaker> speaker;
    if (engine.Load(0) == 0) speaker = std::make_unique<SWaveOutTestSpeaker>(engine);
    SWinParamSheet sheet(settings, &engine, speaker.get());
    return sheet.RunModal(nullptr) < 0 ? "cannot show the settings sheet" : "";
}
#elif defined(VOKRANT_HAVE_DIALOGS)
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
    return result < 0
               ? "cannot show the settings sheet: no display (set DISPLAY or WAYLAND_DISPLAY)"
               : "";
}
#elif defined(_WIN32)
std::string OpenSettingsSheet(int, char**) {
    return "this vokrant was built without its settings sheet; rebuild with the dialogs";
}
#else
// The sheet lives in the settings program: a command line built without Qt
// hands the request over to it.
std::string OpenSettingsSheet(int, char**) {
    execlp("vokrant-settings", "vokrant-settings", static_cast<char*>(nullptr));
    return "this vokrant has no settings sheet of its own and cannot start vokrant-settings (" +
           std::string(std::strerror(errno)) +
           "); install it (Debian package vokrant-settings, or build with qt6-base-dev)";
}
#endif
