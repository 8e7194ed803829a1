// One Speak call: the script's runs read by the engine, its silences
// written, everything through the site, under the process-wide voice lock.
// Rate, pitch and the SAPI volume move the user's saved values: the rate on
// SAPI's logarithmic scale (+10 three times as fast, -10 a third) times the
// saved speed, clamped to 40..200; the pitch by 2^(steps/24) times the saved
// voice pitch, clamped to 50..200 per cent; the volume linearly.
#pragma once

#include <vector>

#include "core/attribute.h"
#include "sapi5/sapi5_ddk.h"
#include "sapi5/speech_script.h"
#include "sapi5/voice_engine.h"

// The engine's speed for a saved speed moved by SAPI rate steps.
int SpeedForRate(int savedSpeed, long rateSteps);
// The voice pitch (per cent) for a saved one moved by SAPI pitch steps.
int VoicePitchForSteps(int savedVoicePitch, long middleSteps);

// Speaks the script; returns S_OK (also after an abort or SP_AUDIO_STOPPED)
// or the failure of the site's Write. Exceptions of the engine pass through.
HRESULT SpeakScript(SVoiceEngine& engine, SAttribute& settings,
                    const std::vector<SScriptItem>& script, ISpTTSEngineSite& site);
