// One run of the output module: the INIT handshake, then commands from the
// server until QUIT or the end of input. A text is spoken on this thread
// through the C interface, a piece at a time; between two audio blocks, and
// between two pieces, the module reads the commands that have arrived, so
// STOP and PAUSE take effect before the next block (10 ms of sound) is sent.
// Settings that arrive while a text is spoken are kept and given to the C
// interface once it has returned: its setters are never called from inside
// its own callback.
//
// The server plays what it is sent in real time and obeys a PAUSE at the
// next of its marks that it plays: the module pauses at a word start and
// reports a mark there. So that this mark follows the word being heard, the
// sound goes out no more than kLeadMs ahead of real time, and a new word (or
// a server mark) goes out only once the sound before it is within
// kBoundaryLeadMs of its end.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "message_resume.h"
#include "module_settings.h"
#include "protocol_io.h"
#include "ssml_text.h"
#include "vokrant/vokrant.h"

struct SModuleConfig {
    std::string voiceDir;     // "" for the installed voice
    std::string settingsDir;  // "" for the user's settings folder
    // speech-dispatcher's sound icons, where its sound-icons package puts them
    std::string soundIconDir = "/usr/share/sounds/sound-icons/";
};

// Reads "VokrantVoiceDir", "VokrantSettingsDir" and "VokrantSoundIconFolder"
// from a module configuration file (speech-dispatcher's format: name, blank,
// quoted value).
SModuleConfig ReadModuleConfig(const std::string& path);

// About how many bytes of a message one piece takes: converting it and
// starting to speak it stay far below the 50 ms a command may wait.
constexpr size_t kPieceBytes = 8u << 10;
// How far the sound sent may run ahead of the time it takes to play.
constexpr int kLeadMs = 150;
// How much of the sound before a word start must be left to play when the
// word's sound goes out: enough to ride over a busy moment, and small, since
// a pause asked for in it comes one word later.
constexpr int kBoundaryLeadMs = 40;

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
    bool ReadBlock(std::string& text, size_t& lines);
    void ReadMessage(SMessage type);
    void Set();
    void Audio();
    void Params(const char* receivingReply, const char* doneReply);
    void ListVoices(const std::string& line);
    void ApplySettings();
    void Reply(const std::string& text);

    // Speaking (module_speaking.cpp).
    void SpeakSsml(const std::string& ssml);
    void SpeakTagged(const std::string& tagged);
    void SoundIcon(const std::string& name);
    void BeginSpeaking();
    void SpeakPiece(STaggedText piece);
    void SendSamples(const int16_t* samples, size_t count, int sampleRate);
    void KeepPace(size_t count, int sampleRate);
    void WaitForPlayback(int leadMs);
    int OnWord();
    void OnBookmark(uint32_t bookmark);
    void EndSpeaking();
    bool Interrupted() const;
    void ReadPendingCommands();
    int OnEvent(const vokrant_event& event);
    void ReportMarksUpTo(size_t count);
    static int EventThunk(const vokrant_event* event, void* self);

    SLineReader& input_;
    SModuleConfig config_;
    vokrant* voice_ = nullptr;
    unsigned userVolume_ = VOKRANT_MAX_VOLUME;  // the volume of the user's settings
    int sampleRate_ = 0;  // asked once: no call on the handle from inside its callback
    SModuleSettings settings_;
    int appliedVoicePitch_ = 100;  // the voice pitch last given to the handle
    bool speaking_ = false;
    bool stopRequested_ = false;
    bool pauseRequested_ = false;
    bool paused_ = false;
    bool quitRequested_ = false;
    bool serverGone_ = false;
    double sampleGain_ = 1.0;
    std::vector<std::string> markNames_;
    size_t marksReported_ = 0;

    // Pace: when the sound sent so far will have been played.
    std::chrono::steady_clock::time_point soundEnds_;

    // Pause and resume: the SSML being spoken, the last server mark passed
    // and the words since it; where a paused message stands; the words of a
    // resumed message still to skip, and whether the sound is skipped now.
    std::string message_;
    std::string lastServerMark_;
    size_t wordsSinceServerMark_ = 0;
    std::optional<SPausePoint> pausePoint_;
    size_t wordsToSkip_ = 0;
    bool skipping_ = false;
};
