#include "module_settings.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int kNormalSpeed = 80, kMinSpeed = 40, kMaxSpeed = 200;
constexpr unsigned kFullVolume = 0xFFFF;

bool ParseLevel(const std::string& text, int& out) {
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno != 0) return false;
    out = static_cast<int>(std::clamp(value, -100L, 100L));
    return true;
}

}  // namespace

int SpeedFromRate(int rate) {
    rate = std::clamp(rate, -100, 100);
    const int span = rate < 0 ? kNormalSpeed - kMinSpeed : kMaxSpeed - kNormalSpeed;
    return kNormalSpeed + rate * span / 100;
}

int VoicePitchFromLevel(int pitch) {
    pitch = std::clamp(pitch, -100, 100);
    return static_cast<int>(std::lround(100 * std::exp2(pitch / 100.0)));
}

unsigned EngineVolume(int level, unsigned userVolume) {
    level = std::clamp(level, 0, 100);
    userVolume = std::min(userVolume, kFullVolume);
    return userVolume + (kFullVolume - userVolume) * static_cast<unsigned>(level) / 100;
}

double SampleGain(int level) {
    if (level <= -100) return 0.0;
    if (level >= 0) return 1.0;
    return std::pow(10.0, kDecibelsPerLevel * level / 20);
}

bool ApplyModuleSetting(SModuleSettings& settings, const std::string& name,
                        const std::string& value) {
    int level = 0;
    if (name == "rate") {
        if (!ParseLevel(value, level)) return false;
        settings.speed = SpeedFromRate(level);
    } else if (name == "volume") {
        if (!ParseLevel(value, level)) return false;
        settings.volumeLevel = level;
    } else if (name == "pitch") {
        if (value == "NULL") return true;
        if (!ParseLevel(value, level)) return false;
        settings.voicePitch = VoicePitchFromLevel(level);
    } else if (name == "pitch_range") {
        // The voice has no range of its own to widen: read and ignored.
        return value == "NULL" || ParseLevel(value, level);
    } else if (name == "punctuation_mode") {
        if (value != "none" && value != "some" && value != "most" && value != "all") return false;
        settings.readPunctuation = value == "most" || value == "all";
    } else if (name == "spelling_mode") {
        if (value != "on" && value != "off") return false;
        settings.spellMode = value == "on";
    } else if (name == "cap_let_recogn") {
        if (value != "none" && value != "spell" && value != "icon") return false;
        settings.sayCapitals = value != "none";
    }
    return true;
}
