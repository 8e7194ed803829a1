// The Windows sheet where the component opens it: modal, without an owner
// window, speaking through the mode.
#include <windows.h>

#include "dialogs/sheet_install.h"
#include "dialogs/test_speaker.h"
#include "dialogs/windows/win_param_sheet.h"
#include "engine/tts_engine.h"
#include "platform/log.h"

int RunSettingsSheetForMode(SVokrant& engine, ITTSCentralA* centralA, int startPage,
                            const std::u16string* title) {
    if (engine.GetSettings() == nullptr) return -1;
    std::unique_ptr<STestSpeaker> speaker = SpeakerForMode(engine, centralA);
    SWinParamSheet sheet(*engine.GetSettings(), &engine, speaker.get());
    if (title && !title->empty()) sheet.SetCaption(std::wstring(title->begin(), title->end()));
    sheet.SetStartPage(startPage);
    const int result = sheet.RunModal(nullptr);
    if (result < 0)
        LogMessage(
            "nie mo\xBFna pokaza\xE6 okna ustawie\xF1 (b\xB3\xB9"
            "d %lu)\n",
            GetLastError());
    return result;
}
