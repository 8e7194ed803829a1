// The settings record: every voice setting and every switch of the text
// normaliser. One per mode object, shared by pointer with its engine and read
// by every stage while speaking. SAttributeSAPI adds persistence in the
// current user's registry hive.
//
// Strings are Windows-1250 bytes. Pitch and speed are one reading rate in two
// scales: pitch = 2 * speed when set through SetPitch / SetSpeed.
#pragma once

#include <cstdint>
#include <string>

class SAttribute {
public:
    static constexpr int kMinPitch = 80, kMaxPitch = 400, kNaturalPitch = 160;
    static constexpr int kMinSpeed = 40, kMaxSpeed = 200;
    static constexpr int kMaxAbbrevLimit = 10;
    static constexpr uint32_t kFullVolume = 0xFFFF;
    // The voice's own pitch, in per cent of its natural pitch (beyond the
    // written rules: moves the pitch without touching rate or durations).
    static constexpr int kMinVoicePitch = 50, kMaxVoicePitch = 200, kNaturalVoicePitch = 100;

    explicit SAttribute(void* owner = nullptr);
    SAttribute(const SAttribute&) = default;
    SAttribute& operator=(const SAttribute&) = default;
    virtual ~SAttribute() = default;

    // Persistence; the plain record has none and answers false.
    virtual bool Save() { return false; }
    virtual bool Load() { return false; }
    // Developer entry: fallback work dir, dictionary on, run mode from the
    // last of at least three arguments ("/S" 20, "/s" 21, "/O" 10, "/o" 11, "/8" 1).
    virtual void ConfigureFromArguments(int argc, const char* const* argv);

    // Clamps to 80..400; pitch = value, speed = value / 2. Returns the pitch.
    int SetPitch(int value);
    // Clamps to 40..200; speed = value, pitch = 2 * speed. Returns the speed.
    int SetSpeed(int value);
    void SetRealTime(int value) { realTime = value; }
    void SetVolume(uint32_t value) { volume = value; }
    void SetIntonationDepth(int value) { intonationDepth = value; }
    // Clamps to kMinVoicePitch..kMaxVoicePitch. Returns the value kept.
    int SetVoicePitch(int percent);

    // Level 0: spell mode off, fluent, colloquial and tag sensitivity on.
    // Level 1: speed 80 (pitch 160) and full volume.
    void Reset(int level);

    // Re-reads the regional conventions ("intl" values).
    void ReadRegionalSettings();

    uint16_t pitch = 160;
    int32_t speed = 80;
    uint32_t volume = kFullVolume;  // low 16 bits left, high 16 bits right; < 0x10000: both
    int32_t pnmLevel = 50;          // 0..100, set by a tag; nothing reads it
    bool intonation = true;
    bool fluentSpeech = true;
    bool colloquialSpeech = true;
    bool spellMode = false;
    bool forceTagSensitivity = true;
    void* owner = nullptr;  // creator of the record; not owned
    char decimalSeparator = '.';
    char thousandsSeparator = ',';
    char dateSeparator = '/';      // for the date reader
    std::string shortDatePattern;  // system short-date pattern, at most 15 characters
    // Whether the system stores these two; where it does not, the extended
    // reading uses the Polish conventions instead of the fixed defaults.
    bool dateSeparatorStored = false;
    bool shortDatePatternStored = false;
    int32_t runMode = 0;
    std::string workDir = ".";  // ends with '/' after loading
    bool taggedText = true;
    bool useExtDict = true;
    std::string extDict = "client.exp";
    int32_t realTime = 30;
    int32_t intonationDepth = 50;
    int32_t voicePitch = kNaturalVoicePitch;  // per cent of the voice's natural pitch
    // Beyond the written rules: two continuous sounds that meet are
    // crossfaded instead of each fading to silence at its edge. Off by
    // default: it costs about three times the rendering time for 0.2 dB.
    bool smoothJoins = false;
    // Beyond the written rules: each allophone sounds with the voice's
    // recording made beside neighbours like its own, where the voice holds
    // one (no sample count or mark moves).
    bool contextSounds = true;
    // Beyond the written rules: the intonation and the voice's pitch move
    // the pitch by warping each period of a voiced recording instead of
    // reading it at another step, so the formants stay where they are.
    bool keepFormants = true;
    int32_t pauseInterSentence = 500;  // ms
    int32_t pausePunctuation = 200;    // ms
    int32_t pauseInterWord = 70;       // ms
    int32_t pauseDoubleLetter = 30;    // ms
    bool convertNumber = true;
    bool convertSequence = true;
    bool convertDate = true;
    bool dateBySysFormat = false;
    bool convertTime = true;
    bool colloquialTime = false;
    bool hours24 = true;
    bool readSeconds = true;
    bool bareFullHour = false;
    bool convertAbbrev = true;
    int32_t abbrevLimit = 5;  // 0..10
    bool readInterpunction = false;
    bool readSeparators = false;
    bool convertURL = true;
    bool convertSymbol = true;
    // Readings beyond the written rules: number-noun agreement, ordinals in
    // dates, Roman numerals, ranges, acronyms, Polish regional defaults.
    bool extendedReading = true;
    std::string reservedString;  // travels with copies; nothing reads it
};

// The record persisted under HKEY_CURRENT_USER\Software\Dravenlab\Vokrant 1.6 SAPI
// (subkeys Global, Dictionary, Sound, Conversions). Construction loads it;
// a missing value is written back with its default.
class SAttributeSAPI : public SAttribute {
public:
    explicit SAttributeSAPI(void* owner = nullptr);

    // Reads every value (writing back missing ones). Pitch and Speed are kept
    // as stored, each only brought inside 80..400 / 40..200. Returns true.
    bool Load() override;
    // Writes every persisted value except WorkDir. Returns true.
    bool Save() override;
};

// The settings key, relative to HKEY_CURRENT_USER.
extern const char* const kSettingsKeyPath;

// Process-wide record with no owner: constructor values plus regional
// settings, no registry. For code that needs settings without an engine.
SAttribute& DefaultAttribute();
