#include "dialogs/sheet_install.h"

#include "dialogs/mode_test_speaker.h"
#include "engine/tts_engine.h"
#include "sapi/settings_sheet_hook.h"

namespace {

SModeSpeakerFactory& SpeakerFactory() {
    static SModeSpeakerFactory factory;
    return factory;
}

void RunForEngine(SVokrant& engine, ITTSCentralA* centralA, int startPage) {
    RunSettingsSheetForMode(engine, centralA, startPage, nullptr);
}

}  // namespace

std::unique_ptr<STestSpeaker> SpeakerForMode(SVokrant& engine, ITTSCentralA* centralA) {
    if (SpeakerFactory()) return SpeakerFactory()(engine, centralA);
    if (centralA) return std::make_unique<SModeTestSpeaker>(centralA);
    return nullptr;
}

void InstallSettingsSheet(SModeSpeakerFactory speakerFactory) {
    SpeakerFactory() = std::move(speakerFactory);
    SVokrant::SetSettingsSheetRunner(&RunForEngine);
    SetModeSheetOpener(&RunSettingsSheetForMode);
}
