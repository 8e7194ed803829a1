#include "module_session.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "key_names.h"
#include "ssml_text.h"

namespace {

// Largest message accepted; a longer one is refused once its end has been read.
constexpr size_t kMaxMessageBytes = 16u << 20;

// Calls `f` with each of the `lines` lines of a block read by ReadBlock.
template <typename F>
void ForEachLine(std::string_view text, size_t lines, F f) {
    for (size_t at = 0; lines > 0 && at <= text.size(); --lines) {
        const size_t end = std::min(text.find('\n', at), text.size());
        f(text.substr(at, end - at));
        at = end + 1;
    }
}

std::string Unquoted(std::string value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    return value;
}

}  // namespace

SModuleConfig ReadModuleConfig(const std::string& path) {
    SModuleConfig config;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string name, value;
        if (!(words >> name) || name[0] == '#') continue;
        std::getline(words >> std::ws, value);
        while (!value.empty() && (value.back() == ' ' || value.back() == '\r')) value.pop_back();
        if (name == "VokrantVoiceDir")
            config.voiceDir = Unquoted(value);
        else if (name == "VokrantSettingsDir")
            config.settingsDir = Unquoted(value);
        else if (name == "VokrantSoundIconFolder")
            config.soundIconDir = Unquoted(value);
    }
    return config;
}

SModuleSession::~SModuleSession() {
    vokrant_free(voice_);
}

void SModuleSession::Reply(const std::string& text) {
    if (!serverGone_ && !SendToServer(text)) serverGone_ = true;
}

int SModuleSession::Run() {
    std::string line;
    if (!input_.ReadLine(line, true) || line != "INIT") {
        std::fprintf(stderr, "sd_vokrant: the server did not start with INIT\n");
        return 3;
    }
    if (!Init()) return 1;
    while (!quitRequested_ && !serverGone_ && input_.ReadLine(line, true)) Command(line);
    return 0;
}

bool SModuleSession::Init() {
    int status = 0;
    voice_ = vokrant_new(config_.voiceDir.empty() ? nullptr : config_.voiceDir.c_str(),
                         config_.settingsDir.c_str(), &status);
    if (voice_ == nullptr) {
        Reply("399-" + std::string(vokrant_last_error(nullptr)) + "\n399 ERR CANT INIT MODULE\n");
        return false;
    }
    userVolume_ = static_cast<unsigned>(std::max(vokrant_get_volume(voice_), 0));
    sampleRate_ = vokrant_sample_rate(voice_);
    // Every text, the first too, speaks with the server's settings (before any SET, its defaults).
    ApplySettings();
    Reply("299-Vokrant " + std::string(vokrant_version()) +
          " initialized\n299 OK LOADED SUCCESSFULLY\n");
    return true;
}

void SModuleSession::Command(const std::string& line) {
    if (line == "SPEAK") return ReadMessage(SMessage::Text);
    if (line == "CHAR") return ReadMessage(SMessage::Character);
    if (line == "KEY") return ReadMessage(SMessage::Key);
    if (line == "SOUND_ICON") return ReadMessage(SMessage::SoundIcon);
    if (line == "STOP") return void(stopRequested_ = speaking_);
    if (line == "PAUSE") return void(pauseRequested_ = speaking_);
    if (line == "SET") return Set();
    if (line == "AUDIO") return Audio();
    if (line == "LOGLEVEL")
        return Params("207 OK RECEIVING LOGLEVEL SETTINGS\n", "203 OK LOGLEVEL SET\n");
    if (line.rfind("LIST VOICES", 0) == 0) return ListVoices(line);
    if (line.rfind("DEBUG", 0) == 0) return Reply("200 OK DEBUGGING OFF\n");
    if (line == "QUIT") {
        // While speaking, the text ends (703 STOP) before the answer.
        stopRequested_ = speaking_;
        quitRequested_ = true;
        if (!speaking_) Reply("210 OK QUIT\n");
        return;
    }
    Reply("300 ERR UNKNOWN COMMAND\n");
}

// Reads data lines up to the lone ".", joined by '\n'; a leading ".."
// stands for ".". A block of many short lines takes no more room than its text.
bool SModuleSession::ReadBlock(std::string& text, size_t& lines) {
    text.clear();
    lines = 0;
    bool tooLong = false;
    for (std::string line; input_.ReadLine(line, true);) {
        if (line == ".") return !tooLong;
        const size_t dot = !line.empty() && line[0] == '.' ? 1 : 0;
        const size_t joined = text.size() + (lines > 0 ? 1 : 0) + line.size() - dot;
        tooLong |= joined + 1 > kMaxMessageBytes;
        if (!tooLong) text.append(lines > 0 ? "\n" : "").append(line, dot);
        ++lines;
    }
    return false;
}

void SModuleSession::ReadMessage(SMessage type) {
    Reply("202 OK RECEIVING MESSAGE\n");
    std::string text;
    size_t lines = 0;
    if (!ReadBlock(text, lines) || speaking_ || text.empty())
        return Reply("301 ERROR CANT SPEAK\n");
    if (type != SMessage::Text && lines > 1) return Reply("305 DATA MORE THAN ONE LINE\n");
    switch (type) {
        case SMessage::Text:
            return SpeakSsml(text);
        case SMessage::Character:
            return SpeakTagged(CharacterText(text, settings_.sayCapitals));
        case SMessage::Key:
            return SpeakTagged(KeyText(text));
        case SMessage::SoundIcon:
            return SoundIcon(text);
    }
}

void SModuleSession::Params(const char* receivingReply, const char* doneReply) {
    Reply(receivingReply);
    std::string text;
    size_t lines = 0;
    if (!ReadBlock(text, lines)) return Reply("303 ERROR INVALID PARAMETER OR VALUE\n");
    Reply(doneReply);
}

void SModuleSession::Set() {
    Reply("203 OK RECEIVING SETTINGS\n");
    std::string text;
    size_t lines = 0;
    bool good = ReadBlock(text, lines);
    SModuleSettings changed = settings_;
    ForEachLine(text, lines, [&](std::string_view line) {
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos || equals == 0) {
            good = false;
            return;
        }
        good &= ApplyModuleSetting(changed, std::string(line.substr(0, equals)),
                                   std::string(line.substr(equals + 1)));
    });
    if (!good) return Reply("303 ERROR INVALID PARAMETER OR VALUE\n");
    settings_ = changed;
    // While a text is spoken this runs inside the C interface's callback,
    // where its setters must not be called: the text ends first.
    if (!speaking_) ApplySettings();
    Reply("203 OK SETTINGS RECEIVED\n");
}

void SModuleSession::ApplySettings() {
    vokrant_set_speed(voice_, settings_.speed);
    // The voice's own pitch is left as the user saved it until a pitch arrives.
    if (settings_.voicePitch != appliedVoicePitch_ &&
        vokrant_set_voice_pitch(voice_, settings_.voicePitch) == VOKRANT_OK)
        appliedVoicePitch_ = settings_.voicePitch;
    vokrant_set_volume(voice_, static_cast<int>(EngineVolume(settings_.volumeLevel, userVolume_)));
    vokrant_set_switch(voice_, VOKRANT_SWITCH_READ_PUNCTUATION, settings_.readPunctuation);
    vokrant_set_switch(voice_, VOKRANT_SWITCH_SPELL_MODE, settings_.spellMode);
}

// Only server-side audio: the sound goes back to the server in 705 blocks.
void SModuleSession::Audio() {
    Reply("207 OK RECEIVING AUDIO SETTINGS\n");
    std::string text;
    size_t lines = 0;
    bool good = ReadBlock(text, lines);
    ForEachLine(text, lines,
                [&](std::string_view line) { good &= line == "audio_output_method=server"; });
    Reply(good ? "203 OK AUDIO INITIALIZED\n" : "303 ERROR INVALID PARAMETER OR VALUE\n");
}

void SModuleSession::ListVoices(const std::string& line) {
    std::istringstream words(line);
    std::string list, voices, language;
    words >> list >> voices >> language;
    if (!language.empty() && language != "pl" && language.rfind("pl-", 0) != 0 &&
        language != "pl_PL")
        return Reply("304 CANT LIST VOICES\n");
    Reply("200-vokrant\tpl\tnone\n200 OK VOICE LIST SENT\n");
}
