// The voice every engine in the process shares, and the settings a front end
// starts from. The voice databases and their pause patterns are process-wide:
// loading them, and speaking with them, is one engine at a time under
// VoiceMutex. Used by the C interface and by the SAPI 5 voice.
#pragma once

#include <memory>
#include <mutex>
#include <string>

#include "core/attribute.h"
#include "engine/tts_engine.h"

// Held while an engine loads the voice or renders with it.
std::mutex& VoiceMutex();

// The settings a handle speaks with: built-in defaults (null), the user's
// saved ones (""), or those saved in another folder.
std::unique_ptr<SAttribute> LoadSettings(const char* settingsDir);

// Chooses the voice directory: the caller's, else the saved one when it holds
// the voice, else the data directory.
void ChooseVoiceDir(SAttribute& settings, const char* voiceDir);

// Loads the engine (takes VoiceMutex itself); "" or why it failed. A second
// voice directory in one process is refused: the databases are shared.
std::string LoadSharedVoice(STtsEngine& engine, const std::string& workDir);

// Rebuilds the shared pause patterns when the speaking engine's pause
// settings differ from the last ones built. Call with VoiceMutex held.
void RefreshPauses(STtsEngine& engine, const SAttribute& settings);
