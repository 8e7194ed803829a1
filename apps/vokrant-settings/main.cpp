// vokrant-settings: the settings sheet on the user's own settings, as a
// desktop program. OK keeps the changes for this run only; "Zapamiętaj"
// stores them for every program that uses the engine.
#include <QApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "core/attribute.h"
#include "desktop_speaker.h"
#include "dialogs/param_sheet.h"
#include "engine/tts_engine.h"
#include "platform/interrupt_cleanup.h"
#include "screenshots.h"
#include "settings_options.h"

int main(int argc, char** argv) {
    RemoveTemporariesOnInterrupt();
    const SSettingsOptions options =
        ParseSettingsOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!options.error.empty()) {
        std::fprintf(stderr, "vokrant-settings: %s\n%s", options.error.c_str(), kSettingsUsage);
        return 2;
    }
    if (options.help) {
        std::fputs(kSettingsUsage, stdout);
        return 0;
    }
    if (options.version) {
        std::printf("vokrant-settings %s\n", VOKRANT_VERSION);
        return 0;
    }

    QApplication app(argc, argv);
    SAttributeSAPI settings;
    STtsEngine engine(nullptr, &settings);
    SDesktopSpeaker speaker(engine);
    SParamSheet sheet(settings, &engine, &speaker);
    sheet.SetActivePage(options.startPage);
    if (!options.screenshotDir.empty())
        return WritePageScreenshots(sheet, QString::fromLocal8Bit(options.screenshotDir.c_str()))
                   ? 0
                   : 1;
    sheet.exec();
    return 0;
}
