// One run of the output module: the INIT handshake, then commands from the
// server until QUIT or the end of input. A text is spoken on this thread
// through the C interface; between two audio blocks the module reads the
// commands that have arrived, so STOP and PAUSE take effect before the next
// block (10 ms of sound) is sent.
#pragma once

#include <string>
#include <vector>

#include "module_settings.h"
#include "protocol_io.h"
#include "vokrant/vokrant.h"

struct SModuleConfig {
    std::string voiceDir;     // "" for the installed voice
    std::string settingsDir;  // "" for the user's settings folder
};

// Reads "VokrantVoiceDir" and "VokrantSettingsDir" from a module
// configuration file (speech-dispatcher's format: name, blank, quoted value).
SModuleConfig ReadModuleConfig(const std::string& path);

class SModuleSession {
public:
    SModuleSession(SLineReader& input, SModuleConfig config)
        : input_(input), config_(std::move(config)) {}
    ~SModuleSession();
    SModuleSession(const SModuleSession&) = delete;
    SModuleSession& operator=(const SModuleSession&) = delete;

    // Runs the whole conversation; returns the process exit status.
    int Run();

private:
    enum class SMessage { Text, Character, Key, SoundIcon };

    bool Init();
    void Command(const std::string& line);
    bool ReadBlock(std::vector<std::string>& lines);
    void ReadMessage(SMessage type);
    void Set();
    void Audio();
    void Params(const char* receivingReply, const char* doneReply);
    void ListVoices(const std::string& line);
    void Speak(const std::string& tagged, std::vector<std::string> markNames);
    void ApplySettings();
    int OnEvent(const vokrant_event& event);
    void ReportMarksUpTo(size_t count);
    void Reply(const std::string& text);
    static int EventThunk(const vokrant_event* event, void* self);

    SLineReader& input_;
    SModuleConfig config_;
    vokrant* voice_ = nullptr;
    SModuleSettings settings_;
    bool speaking_ = false;
    bool stopRequested_ = false;
    bool pauseRequested_ = false;
    bool paused_ = false;
    bool quitRequested_ = false;
    bool serverGone_ = false;
    std::vector<std::string> markNames_;
    size_t marksReported_ = 0;
};
