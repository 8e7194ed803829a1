// The values of the General page and the rules that tie them to the settings
// record: slider ranges and scales, the pitch/speed coupling, the volume
// conversion and the order in which "&Testuj" and OK store them. No widgets
// here, so every rule can be checked without a display.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

class SAttribute;

// One value of the page, in its own unit (Hz, speed scale, %, ms).
enum class SGeneralValue : int {
    Pitch,
    Speed,
    Volume,
    Processor,
    Intonation,
    VoicePitch,  // per cent of the voice's natural pitch
    PauseDoubleLetter,
    PauseInterWord,
    PauseInterSentence,
    PausePunctuation,
    Count
};

// How one value appears on the page: its slider and display edit, the label
// (UTF-8, '&' marks the mnemonic), the slider range and the factor between a
// slider position and the value (10 for the pauses: one step is 10 ms).
struct SGeneralSliderSpec {
    SGeneralValue value;
    int sliderId;
    int editId;
    int labelId;
    const char* label;
    int minPosition;
    int maxPosition;
    int scale;
    int defaultValue;
    bool inPauseGroup;
    bool enabled;  // the control takes input
};

// The table of the page, in the order the controls are laid out.
const std::array<SGeneralSliderSpec, static_cast<int>(SGeneralValue::Count)>& GeneralSliderSpecs();
const SGeneralSliderSpec& GeneralSliderSpec(SGeneralValue value);

// Percent <-> settings volume. 655 per percent: 100 % is 65500 for a test,
// and OK turns anything above 65499 into full volume (65535).
constexpr int kVolumeStep = 655;
int VolumePercentFromSettings(uint32_t volume);
uint32_t VolumeForTest(int percent);
uint32_t VolumeForOk(int percent);

struct SGeneralValues {
    std::array<int, static_cast<int>(SGeneralValue::Count)> values{};

    int& operator[](SGeneralValue v) { return values[static_cast<int>(v)]; }
    int operator[](SGeneralValue v) const { return values[static_cast<int>(v)]; }

    // The page's values as the settings record holds them.
    static SGeneralValues FromSettings(const SAttribute& settings);
    // The "&Domyślne" values.
    static SGeneralValues Defaults();

    // Slider position <-> value (pause sliders move in 10 ms steps).
    static int PositionOf(SGeneralValue v, int value);
    static int ValueAt(SGeneralValue v, int position);

    // A slider came to rest at `position`: stores the value it stands for and,
    // for pitch and speed, the coupled one (speed = pitch / 2, pitch = 2 *
    // speed). Returns the values that changed, so the page can show them.
    std::vector<SGeneralValue> TakeSliderPosition(SGeneralValue v, int position);
};

// "&Testuj": stores the values for a trial run, in the order pitch, speed,
// processor, volume (percent * 655), intonation, voice pitch, then the four pauses. Pause
// patterns are not rebuilt.
void StoreForTest(const SGeneralValues& values, SAttribute& settings);

// OK: stores speed, pitch, intonation, voice pitch, volume (full volume from 65500 up),
// processor and the pauses. Returns the ids of the pause patterns to rebuild,
// in the order punctuation, inter-word, inter-sentence, double letter: those
// whose duration differs from the record's before this step or from
// `builtWith`, the durations the patterns were last built with (a trial run
// stores pauses without rebuilding). `builtWith` is updated.
std::vector<int> StoreForOk(const SGeneralValues& values, SAttribute& settings,
                            SGeneralValues& builtWith);

// The settings the General page changes, exactly as the record holds them,
// so that a cancelled trial can be undone.
struct SGeneralSnapshot {
    uint16_t pitch = 0;
    int32_t speed = 0;
    uint32_t volume = 0;
    int32_t realTime = 0;
    int32_t intonationDepth = 0;
    int32_t voicePitch = 0;
    int32_t pauseInterSentence = 0;
    int32_t pausePunctuation = 0;
    int32_t pauseInterWord = 0;
    int32_t pauseDoubleLetter = 0;

    static SGeneralSnapshot Capture(const SAttribute& settings);
    void RestoreTo(SAttribute& settings) const;
};
