// Opening the settings sheet from the component: its dialogs interface (start
// page, caption), the engine's ShowSettings and the Dlg tag. The same calls
// open the Qt sheet on Linux and the native one on Windows.
#pragma once

#include <functional>
#include <memory>
#include <string>

class ITTSCentralA;
class STestSpeaker;
class SVokrant;

// Builds a speaker for the test buttons from the engine and the mode's
// ANSI text-to-speech object (the mode object supplies it); may return null.
using SModeSpeakerFactory =
    std::function<std::unique_ptr<STestSpeaker>(SVokrant& engine, ITTSCentralA* centralA)>;

// Makes the mode's dialogs interface and SVokrant::ShowSettings open the
// sheet. Without a factory the test buttons speak through the mode's ANSI
// text-to-speech object, and are disabled when there is none.
void InstallSettingsSheet(SModeSpeakerFactory speakerFactory = {});

// The speaker of a mode's sheet: the installed factory's, else one that
// speaks through `centralA`, else none (the test buttons are disabled).
std::unique_ptr<STestSpeaker> SpeakerForMode(SVokrant& engine, ITTSCentralA* centralA);

// What a mode object's dialogs interface does for a window that is not null:
// the sheet for its engine, speaking through `centralA` (may be null), on
// `startPage`, with `title` (UTF-16) as caption when given. Returns 1 after
// OK, 0 after Cancel, -1 when nothing could be shown. Each system's sheet
// defines it.
int RunSettingsSheetForMode(SVokrant& engine, ITTSCentralA* centralA, int startPage,
                            const std::u16string* title);
