// Opening the settings sheet from the places that offer it: the dialogs
// interface of a mode object (start page, caption), the engine's
// ShowSettings, and the desktop program.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <string>

class ITTSCentralA;
class SAttribute;
class STestSpeaker;
class STtsEngine;
class SVokrant;

struct SSheetRequest {
    SAttribute* settings = nullptr;  // required
    STtsEngine* engine = nullptr;    // optional: pause patterns and dictionary follow OK
    STestSpeaker* speaker = nullptr; // optional: enables the test buttons
    int startPage = 0;               // 0 General, 1 Dictionary, 2 Conversions, 3 Info
    QString caption;                 // empty: the component's name
};

// Shows the sheet modally, without an owner window. A process without a Qt
// application gets one for the time of the sheet, when a display is
// available. Returns 1 after OK, 0 after Cancel, -1 when nothing could be
// shown (no settings, no display).
int RunParamSheet(const SSheetRequest& request);

// Builds a speaker for the test buttons from the engine and the mode's
// ANSI text-to-speech object (the mode object supplies it); may return null.
using SModeSpeakerFactory = std::function<std::unique_ptr<STestSpeaker>(SVokrant& engine, ITTSCentralA* centralA)>;

// Makes SVokrant::ShowSettings open the sheet on the given page of the
// engine's own settings. Without a factory the test buttons speak through
// the mode's ANSI text-to-speech object when the build has the Speech API
// part, and are disabled otherwise.
void InstallSettingsSheet(SModeSpeakerFactory speakerFactory = {});

// What a mode object's dialogs interface does for a window that is not null:
// the sheet for its engine, speaking through `centralA` (ITTSCentralA*, may
// be null), on `startPage`, with `title` (UTF-16) as caption when given.
// Returns as RunParamSheet.
int RunSettingsSheetForMode(SVokrant& engine, ITTSCentralA* centralA, int startPage, const std::u16string* title);
