// Persistence of the settings record in the current user's registry hive.
#include <algorithm>

#include "core/attribute.h"
#include "platform/paths.h"
#include "platform/reg_key.h"

namespace {

// Defaults used when a value is missing from the registry; they coincide
// with the constructor values except where the registry has its own rule
// (WorkDir, ExtDict).
struct SAttributeDefaults {
    uint32_t volume = 0xFFFF;
    uint32_t speed = 80;
    uint32_t pitch = 160;
    uint32_t realTime = 30;
    uint32_t intonationDepth = 50;
    uint32_t voicePitch = 100;
    uint32_t pauseInterSentence = 500;
    uint32_t pausePunctuation = 200;
    uint32_t pauseInterWord = 70;
    uint32_t pauseDoubleLetter = 30;
    uint32_t abbrevLimit = 5;
};
constexpr SAttributeDefaults kDefaults;

const char* YesNo(bool value) {
    return value ? "Yes" : "No";
}

// True when the first character, lower-cased, is '1'..'9', 't' or 'y'.
bool ParseYesNo(const std::string& text) {
    if (text.empty()) return false;
    char c = text[0];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return (c >= '1' && c <= '9') || c == 't' || c == 'y';
}

bool GetYesNo(SRegKey& key, const char* name, bool defaultValue) {
    return ParseYesNo(key.GetString(name, YesNo(defaultValue)));
}

bool ReadYesNo(SRegKey& key, const char* name, bool defaultValue) {
    std::string text;
    return key.ReadString(name, &text) ? ParseYesNo(text) : defaultValue;
}

// A folder or file setting: missing, it takes its default, which is written
// back unless it lies in the source tree (a build tree's default, which an
// installed program reading the same settings must not follow).
std::string GetPath(SRegKey& key, const char* name, const std::string& defaultValue) {
    if (!DataDirIsSourceTree()) return key.GetPath(name, defaultValue);
    std::string value;
    return key.ReadPath(name, &value) ? value : defaultValue;
}

int32_t GetInt(SRegKey& key, const char* name, uint32_t defaultValue) {
    return static_cast<int32_t>(key.GetDword(name, defaultValue));
}

}  // namespace

SAttributeSAPI::SAttributeSAPI(void* ownerObject) : SAttribute(ownerObject) {
    Load();
}

bool SAttributeSAPI::Load() {
    SRegBatch batch;  // a fresh user's defaults are written in one save
    SRegKey root(SRegRoot::CurrentUser, kSettingsKeyPath);

    SRegKey global(root, "Global");
    workDir = WithTrailingSlash(GetPath(global, "WorkDir", DataDir()));
    if (workDir.empty()) workDir = "./";

    SRegKey dictionary(root, "Dictionary");
    extDict = GetPath(dictionary, "ExtDict", workDir + "client.exp");
    useExtDict = GetYesNo(dictionary, "UseExtDict", true);

    SRegKey sound(root, "Sound");
    volume = sound.GetDword("Volume", kDefaults.volume);
    int32_t storedSpeed = GetInt(sound, "Speed", kDefaults.speed);
    int32_t storedPitch = static_cast<uint16_t>(sound.GetDword("Pitch", kDefaults.pitch));
    // Both are kept as stored; only a value outside its range (a 0 would
    // stall synthesis) is brought back inside it.
    speed = std::clamp(storedSpeed, kMinSpeed, kMaxSpeed);
    pitch = static_cast<uint16_t>(std::clamp(storedPitch, kMinPitch, kMaxPitch));
    realTime = GetInt(sound, "RealTime", kDefaults.realTime);
    intonation = GetYesNo(sound, "Intonation", true);
    intonationDepth = GetInt(sound, "IntonationDepth", kDefaults.intonationDepth);
    // Read without writing the default back, like the other extensions.
    uint32_t storedVoicePitch = kDefaults.voicePitch;
    sound.ReadDword("VoicePitch", &storedVoicePitch);
    SetVoicePitch(static_cast<int>(std::min<uint32_t>(storedVoicePitch, kMaxVoicePitch)));
    smoothJoins = ReadYesNo(sound, "SmoothJoins", false);
    contextSounds = ReadYesNo(sound, "ContextSounds", true);
    keepFormants = ReadYesNo(sound, "KeepFormants", true);
    pauseInterSentence = GetInt(sound, "PauseInterSentence", kDefaults.pauseInterSentence);
    pausePunctuation = GetInt(sound, "PausePunctation", kDefaults.pausePunctuation);
    pauseInterWord = GetInt(sound, "PauseInterWord", kDefaults.pauseInterWord);
    pauseDoubleLetter = GetInt(sound, "PauseDoubleLetter", kDefaults.pauseDoubleLetter);

    SRegKey conversions(root, "Conversions");
    convertNumber = GetYesNo(conversions, "ConvertNumber", true);
    convertSequence = GetYesNo(conversions, "ConvertSequence", true);
    convertDate = GetYesNo(conversions, "ConvertDate", true);
    dateBySysFormat = GetYesNo(conversions, "DateBySysFormat", false);
    convertTime = GetYesNo(conversions, "ConvertTime", true);
    colloquialTime = GetYesNo(conversions, "ColloquialTime", false);
    hours24 = GetYesNo(conversions, "24Hours", true);
    readInterpunction = GetYesNo(conversions, "ReadInterpunction", false);
    readSeparators = GetYesNo(conversions, "ReadSeparators", false);
    convertAbbrev = GetYesNo(conversions, "ConvertAbbrev", true);
    abbrevLimit =
        std::clamp(GetInt(conversions, "AbbrevLimit", kDefaults.abbrevLimit), 0, kMaxAbbrevLimit);
    convertURL = GetYesNo(conversions, "ConvertURL", true);
    convertSymbol = GetYesNo(conversions, "ConverteSymbol", true);
    fluentSpeech = GetYesNo(conversions, "FluentSpeech", true);
    colloquialSpeech = GetYesNo(conversions, "ColloquialSpeech", true);
    forceTagSensitivity = GetYesNo(conversions, "ForceTagSensitivity", true);
    // Read without writing the default back: a fresh user's tree stays the
    // one the plain rules describe until the user saves.
    extendedReading = ReadYesNo(conversions, "ExtendedReading", true);
    return true;
}

bool SAttributeSAPI::Save() {
    SRegBatch batch;
    SRegKey root(SRegRoot::CurrentUser, kSettingsKeyPath);

    SRegKey dictionary(root, "Dictionary");
    dictionary.SetPath("ExtDict", extDict);
    dictionary.SetString("UseExtDict", YesNo(useExtDict));

    SRegKey sound(root, "Sound");
    sound.SetDword("Speed", static_cast<uint32_t>(speed));
    sound.SetDword("Pitch", pitch);
    sound.SetDword("Volume", volume);
    sound.SetDword("RealTime", static_cast<uint32_t>(realTime));
    sound.SetString("Intonation", YesNo(intonation));
    sound.SetDword("IntonationDepth", static_cast<uint32_t>(intonationDepth));
    sound.SetDword("VoicePitch", static_cast<uint32_t>(voicePitch));
    sound.SetString("SmoothJoins", YesNo(smoothJoins));
    sound.SetString("ContextSounds", YesNo(contextSounds));
    sound.SetString("KeepFormants", YesNo(keepFormants));
    sound.SetDword("PauseDoubleLetter", static_cast<uint32_t>(pauseDoubleLetter));
    sound.SetDword("PauseInterSentence", static_cast<uint32_t>(pauseInterSentence));
    sound.SetDword("PauseInterWord", static_cast<uint32_t>(pauseInterWord));
    sound.SetDword("PausePunctation", static_cast<uint32_t>(pausePunctuation));

    SRegKey conversions(root, "Conversions");
    const struct {
        const char* name;
        bool value;
    } switches[] = {
        {"ConvertNumber", convertNumber},   {"ConvertSequence", convertSequence},
        {"ConvertDate", convertDate},       {"DateBySysFormat", dateBySysFormat},
        {"ConvertTime", convertTime},       {"24Hours", hours24},
        {"ColloquialTime", colloquialTime}, {"ReadInterpunction", readInterpunction},
        {"ReadSeparators", readSeparators}, {"ConvertAbbrev", convertAbbrev},
    };
    for (const auto& entry : switches) conversions.SetString(entry.name, YesNo(entry.value));
    conversions.SetDword("AbbrevLimit", static_cast<uint32_t>(abbrevLimit));
    conversions.SetString("ConvertURL", YesNo(convertURL));
    conversions.SetString("ConverteSymbol", YesNo(convertSymbol));
    conversions.SetString("FluentSpeech", YesNo(fluentSpeech));
    conversions.SetString("ColloquialSpeech", YesNo(colloquialSpeech));
    conversions.SetString("ForceTagSensitivity", YesNo(forceTagSensitivity));
    conversions.SetString("ExtendedReading", YesNo(extendedReading));
    return batch.Commit();
}
