#include "core/setting_names.h"

#include <strings.h>
#include <algorithm>
#include <cerrno>
#include <cstdlib>

#include "core/attribute.h"

namespace {

enum class SKind { Number, YesNo, Text };

struct SSettingName {
    const char* name;
    SKind kind;
    int32_t SAttribute::*number;
    bool SAttribute::*flag;
    std::string SAttribute::*text;
};

// What a number given by name may be: refused outside low..high, or brought
// inside it where the settings record itself clamps.
struct SNumberRange {
    const char* name;
    int64_t low, high;
    bool clamps;
};

constexpr int kMaxPauseMs = 10000;

// The same bounds as the typed setters of the C interface and the settings
// sheet's sliders; Speed, Pitch, VoicePitch and AbbrevLimit clamp as their
// setters and the stored-value rules do.
constexpr SNumberRange kRanges[] = {
    {"Speed", SAttribute::kMinSpeed, SAttribute::kMaxSpeed, true},
    {"Pitch", SAttribute::kMinPitch, SAttribute::kMaxPitch, true},
    {"VoicePitch", SAttribute::kMinVoicePitch, SAttribute::kMaxVoicePitch, true},
    {"Volume", 0, SAttribute::kFullVolume, false},
    {"AbbrevLimit", 0, SAttribute::kMaxAbbrevLimit, true},
    {"RealTime", 5, 99, false},
    {"IntonationDepth", 0, 100, false},
    {"PauseInterSentence", 0, kMaxPauseMs, false},
    {"PausePunctation", 0, kMaxPauseMs, false},
    {"PauseInterWord", 0, kMaxPauseMs, false},
    {"PauseDoubleLetter", 0, kMaxPauseMs, false},
};

// Checks or clamps a number given for `name`; "" when it may be stored.
std::string FitToRange(const std::string& name, int64_t& value) {
    for (const SNumberRange& range : kRanges) {
        if (strcasecmp(name.c_str(), range.name) != 0) continue;
        if (range.clamps) {
            value = std::clamp(value, range.low, range.high);
        } else if (value < range.low || value > range.high) {
            return name + ": " + OutOfRangeMessage(value, range.low, range.high);
        }
    }
    return "";
}

// Every persisted value except Volume, Pitch (a different field width),
// Speed and VoicePitch, which need their own setters.
constexpr SSettingName kSettings[] = {
    {"WorkDir", SKind::Text, nullptr, nullptr, &SAttribute::workDir},
    {"ExtDict", SKind::Text, nullptr, nullptr, &SAttribute::extDict},
    {"UseExtDict", SKind::YesNo, nullptr, &SAttribute::useExtDict, nullptr},
    {"RealTime", SKind::Number, &SAttribute::realTime, nullptr, nullptr},
    {"Intonation", SKind::YesNo, nullptr, &SAttribute::intonation, nullptr},
    {"IntonationDepth", SKind::Number, &SAttribute::intonationDepth, nullptr, nullptr},
    {"SmoothJoins", SKind::YesNo, nullptr, &SAttribute::smoothJoins, nullptr},
    {"ContextSounds", SKind::YesNo, nullptr, &SAttribute::contextSounds, nullptr},
    {"KeepFormants", SKind::YesNo, nullptr, &SAttribute::keepFormants, nullptr},
    {"PauseInterSentence", SKind::Number, &SAttribute::pauseInterSentence, nullptr, nullptr},
    {"PausePunctation", SKind::Number, &SAttribute::pausePunctuation, nullptr, nullptr},
    {"PauseInterWord", SKind::Number, &SAttribute::pauseInterWord, nullptr, nullptr},
    {"PauseDoubleLetter", SKind::Number, &SAttribute::pauseDoubleLetter, nullptr, nullptr},
    {"ConvertNumber", SKind::YesNo, nullptr, &SAttribute::convertNumber, nullptr},
    {"ConvertSequence", SKind::YesNo, nullptr, &SAttribute::convertSequence, nullptr},
    {"ConvertDate", SKind::YesNo, nullptr, &SAttribute::convertDate, nullptr},
    {"DateBySysFormat", SKind::YesNo, nullptr, &SAttribute::dateBySysFormat, nullptr},
    {"ConvertTime", SKind::YesNo, nullptr, &SAttribute::convertTime, nullptr},
    {"ColloquialTime", SKind::YesNo, nullptr, &SAttribute::colloquialTime, nullptr},
    {"24Hours", SKind::YesNo, nullptr, &SAttribute::hours24, nullptr},
    {"ReadInterpunction", SKind::YesNo, nullptr, &SAttribute::readInterpunction, nullptr},
    {"ReadSeparators", SKind::YesNo, nullptr, &SAttribute::readSeparators, nullptr},
    {"ConvertAbbrev", SKind::YesNo, nullptr, &SAttribute::convertAbbrev, nullptr},
    {"AbbrevLimit", SKind::Number, &SAttribute::abbrevLimit, nullptr, nullptr},
    {"ConvertURL", SKind::YesNo, nullptr, &SAttribute::convertURL, nullptr},
    {"ConverteSymbol", SKind::YesNo, nullptr, &SAttribute::convertSymbol, nullptr},
    {"FluentSpeech", SKind::YesNo, nullptr, &SAttribute::fluentSpeech, nullptr},
    {"ColloquialSpeech", SKind::YesNo, nullptr, &SAttribute::colloquialSpeech, nullptr},
    {"ForceTagSensitivity", SKind::YesNo, nullptr, &SAttribute::forceTagSensitivity, nullptr},
    {"ExtendedReading", SKind::YesNo, nullptr, &SAttribute::extendedReading, nullptr},
};

bool ParseNumber(const std::string& text, int64_t& out) {
    if (text.empty()) return false;
    errno = 0;
    char* end = nullptr;
    long long value = std::strtoll(text.c_str(), &end, 0);
    if (errno != 0 || *end != '\0' || value < INT32_MIN || value > UINT32_MAX) return false;
    out = value;
    return true;
}

bool ParseYesNo(const std::string& text, bool& out) {
    static const char* const kYes[] = {"yes", "true", "on", "1", "tak"};
    static const char* const kNo[] = {"no", "false", "off", "0", "nie"};
    for (const char* word : kYes)
        if (strcasecmp(text.c_str(), word) == 0) return out = true, true;
    for (const char* word : kNo)
        if (strcasecmp(text.c_str(), word) == 0) return out = false, true;
    return false;
}

std::string BadValue(const std::string& name, const std::string& value, const char* expected) {
    return name + ": '" + value + "' is not " + expected;
}

// The rate and volume settings, whose fields need their own handling; the
// value is already inside its range.
bool ApplyRate(SAttribute& settings, const std::string& name, int64_t value) {
    if (strcasecmp(name.c_str(), "Speed") == 0) {
        settings.SetSpeed(static_cast<int>(value));
    } else if (strcasecmp(name.c_str(), "Pitch") == 0) {
        settings.SetPitch(static_cast<int>(value));
    } else if (strcasecmp(name.c_str(), "VoicePitch") == 0) {
        settings.SetVoicePitch(static_cast<int>(value));
    } else if (strcasecmp(name.c_str(), "Volume") == 0) {
        settings.SetVolume(static_cast<uint32_t>(value));
    } else {
        return false;
    }
    return true;
}

}  // namespace

std::string OutOfRangeMessage(int64_t value, int64_t low, int64_t high) {
    return std::to_string(value) + " is outside " + std::to_string(low) + ".." +
           std::to_string(high);
}

std::string SettingNames() {
    std::string names = "Speed, Pitch, VoicePitch, Volume";
    for (const SSettingName& setting : kSettings) names += std::string(", ") + setting.name;
    return names;
}

std::string ApplySettingOverride(SAttribute& settings, const std::string& name,
                                 const std::string& value) {
    int64_t number = 0;
    bool isRate =
        strcasecmp(name.c_str(), "Speed") == 0 || strcasecmp(name.c_str(), "Pitch") == 0 ||
        strcasecmp(name.c_str(), "Volume") == 0 || strcasecmp(name.c_str(), "VoicePitch") == 0;
    if (isRate) {
        if (!ParseNumber(value, number)) return BadValue(name, value, "a number");
        std::string error = FitToRange(name, number);
        if (!error.empty()) return error;
        ApplyRate(settings, name, number);
        return "";
    }
    for (const SSettingName& setting : kSettings) {
        if (strcasecmp(name.c_str(), setting.name) != 0) continue;
        switch (setting.kind) {
            case SKind::Number: {
                if (!ParseNumber(value, number)) return BadValue(name, value, "a number");
                std::string error = FitToRange(name, number);
                if (!error.empty()) return error;
                settings.*setting.number = static_cast<int32_t>(number);
                return "";
            }
            case SKind::YesNo: {
                bool flag = false;
                if (!ParseYesNo(value, flag)) return BadValue(name, value, "Yes or No");
                settings.*setting.flag = flag;
                return "";
            }
            case SKind::Text:
                settings.*setting.text = value;
                if (setting.text == &SAttribute::workDir && !value.empty() && value.back() != '/')
                    settings.workDir += '/';
                return "";
        }
    }
    return "unknown setting '" + name + "' (known: " + SettingNames() + ")";
}
