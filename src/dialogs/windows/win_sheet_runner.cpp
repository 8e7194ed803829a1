// The Windows sheet where the component opens it: modal, without an owner
// window, speaking through the mode.
#include <windows.h>

#include "dialogs/mode_test_speaker.h"
#include "dialogs/sheet_install.h"
#include "dialogs/test_speaker.h"
#include "dialogs/windows/win_param_sheet.h"
#include "engine/tts_engine.h"
#include "sapi/settings_sheet_hook.h"

namespace {

SModeSpeakerFactory& SpeakerFactory() {
    static SModeSpeakerFactory factory;
    return factory;
}

std::unique_ptr<STestSpeaker> SpeakerFor(SVokrant& engine, ITTSCentralA* centralA) {
    if (SpeakerFactory()) return SpeakerFactory()(engine, centralA);
    if (centralA) return std::make_unique<SModeTestSpeaker>(centralA);
    return nullptr;
}

void RunForEngine(SVokrant& engine, ITTSCentralA* centralA, int startPage) {
    RunSettingsSheetForMode(engine, centralA, startPage, nullptr);
}

}  // namespace

int RunSettingsSheetForMode(SVokrant& engine, ITTSCentralA* centralA, int startPage,
                            const std::u16string* title) {
    if (engine.GetSettings() == nullptr) return -1;
    std::unique_ptr<STestSpeaker> speaker = SpeakerFor(engine, centralA);
    SWinParamSheet sheet(*engine.GetSettings(), &engine, speaker.get());
    if (title && !title->empty()) sheet.SetCaption(std::wstring(title->begin(), title->end()));
    sheet.SetStartPage(startPage);
    return sheet.RunModal(nullptr);
}

void InstallSettingsSheet(SModeSpeakerFactory speakerFactory) {
    SpeakerFactory() = std::move(speakerFactory);
    SVokrant::SetSettingsSheetRunner(&RunForEngine);
    SetModeSheetOpener(&RunSettingsSheetForMode);
}
