#include "dialogs/sheet_runner.h"

#include <QApplication>
#include <cstdlib>
#include <optional>

#include "dialogs/param_sheet.h"
#include "dialogs/test_speaker.h"
#include "engine/tts_engine.h"
#include "platform/log.h"

namespace {

bool DisplayAvailable() {
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(name);
        if (value && *value) return true;
    }
    return false;
}

}  // namespace

int RunParamSheet(const SSheetRequest& request) {
    if (!request.settings) return -1;
    // A host that is not a Qt program gets an application for the sheet's
    // lifetime; without a display Qt would end the process, so refuse.
    std::optional<QApplication> ownApplication;
    if (!QApplication::instance()) {
        if (!DisplayAvailable()) {
            LogMessage("brak ekranu: nie mo\xBFna pokaza\xE6 ustawie\xF1\n");
            return -1;
        }
        static int argc = 1;
        static char name[] = "vokrant";
        static char* argv[] = {name, nullptr};
        ownApplication.emplace(argc, argv);
    }
    SParamSheet sheet(*request.settings, request.engine, request.speaker);
    if (!request.caption.isEmpty()) sheet.SetCaption(request.caption);
    sheet.SetActivePage(request.startPage);
    return sheet.exec() == QDialog::Accepted ? 1 : 0;
}

int RunSettingsSheetForMode(SVokrant& engine, ITTSCentralA* centralA, int startPage,
                            const std::u16string* title) {
    std::unique_ptr<STestSpeaker> speaker = SpeakerForMode(engine, centralA);
    SSheetRequest request;
    request.settings = engine.GetSettings();
    request.engine = &engine;
    request.speaker = speaker.get();
    request.startPage = startPage;
    if (title)
        request.caption = QString::fromUtf16(title->data(), static_cast<qsizetype>(title->size()));
    return RunParamSheet(request);
}
