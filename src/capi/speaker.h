// What a vokrant handle is: one settings record, one engine over it, and the
// state of the text being spoken. Errors are returned as a status and kept
// as a message; nothing here throws out of its public operations.
#pragma once

#include <atomic>
#include <memory>
#include <string>

#include "core/attribute.h"
#include "engine/tts_engine.h"
#include "vokrant/vokrant.h"

struct vokrant {
    // The handle's own settings: only the setters change them.
    std::unique_ptr<SAttribute> settings;
    // What the engine reads while it speaks: a fresh copy of `settings` for
    // every text, so the tags of one text (speed, volume, spelling) end with it.
    SAttribute spoken;
    std::unique_ptr<STtsEngine> engine;
    // The ExtDict whose words the engine holds; a text spoken after the
    // setting changed reads the new file first.
    std::string loadedExtDict;
    std::atomic<bool> stopRequested{false};
    bool speaking = false;
    std::string lastError;
};

// Largest text accepted by vokrant_speak, in bytes: word offsets stay 32-bit
// and the engine's copy stays bounded.
constexpr size_t kMaxSpeakBytes = 256u << 20;

// Builds a handle; on failure returns null with the status and message set.
vokrant* CreateSpeaker(const char* voiceDir, const char* settingsDir, int& status,
                       std::string& error);

// Runs one text through the engine to the callback.
int SpeakText(vokrant& handle, std::string_view text, unsigned flags, vokrant_callback callback,
              void* userData);

// Setters by registry name and by type; they only change the record.
int SetByName(vokrant& handle, const char* name, const char* value);
// The kinds arrive as plain ints: a C caller may pass any value.
int SetSwitch(vokrant& handle, int which, bool on);
int SetPause(vokrant& handle, int pause, int milliseconds);
