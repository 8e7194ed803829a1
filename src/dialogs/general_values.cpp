#include "dialogs/general_values.h"

#include <algorithm>

#include "core/attribute.h"
#include "model/allophone_ids.h"
#include "synthesis/voice_pitch.h"

namespace {

using V = SGeneralValue;

// Ids of the static labels are not given by the dialog; they follow the
// sliders' ids in a range of their own so that every control has one.
const std::array<SGeneralSliderSpec, static_cast<int>(V::Count)> kSpecs = {{
    {V::Pitch, 300, 303, 400, "&Wysokość (Hz) :", 80, 400, 1, 160, false, true},
    {V::Speed, 301, 304, 401, "&Prędkość (Sł) :", 40, 200, 1, 80, false, true},
    {V::Volume, 302, 305, 402, "&Głośność (%) :", 0, 100, 1, 100, false, true},
    {V::Processor, 306, 307, 403, "P&rocesor (%) :", 5, 99, 1, 30, false, true},
    {V::Intonation, 316, 317, 404, "&Intonacja (%):", 0, 100, 1, 50, false, true},
    // The range the voice moves cleanly; the setting itself takes 50..200.
    {V::VoicePitch, 322, 323, 409, "T&on głosu (%):", kLowestVoicePitch, kHighestVoicePitch, 1,
     SAttribute::kNaturalVoicePitch, false, true},
    {V::PauseDoubleLetter, 308, 309, 405, "Między &znakami:", 0, 10, 10, 30, true, true},
    {V::PauseInterWord, 310, 311, 406, "Między &słowami:", 0, 25, 10, 70, true, true},
    {V::PauseInterSentence, 312, 313, 407, "Między &frazami:", 0, 100, 10, 500, true, true},
    {V::PausePunctuation, 314, 315, 408, "&Interpunkcyjna:", 0, 50, 10, 200, true, true},
}};

// Pause settings in the order OK reports them, with their pattern ids.
struct SPauseBinding {
    V value;
    int32_t SAttribute::*field;
    int patternId;
};
constexpr SPauseBinding kPauseBindings[] = {
    {V::PausePunctuation, &SAttribute::pausePunctuation, kAlfPausePunctuation},
    {V::PauseInterWord, &SAttribute::pauseInterWord, kAlfPauseInterWord},
    {V::PauseInterSentence, &SAttribute::pauseInterSentence, kAlfPauseInterSentence},
    {V::PauseDoubleLetter, &SAttribute::pauseDoubleLetter, kAlfPauseDoubleLetter},
};

}  // namespace

const std::array<SGeneralSliderSpec, static_cast<int>(SGeneralValue::Count)>& GeneralSliderSpecs() {
    return kSpecs;
}

const SGeneralSliderSpec& GeneralSliderSpec(SGeneralValue value) {
    return kSpecs[static_cast<int>(value)];
}

int VolumePercentFromSettings(uint32_t volume) {
    // A value from 0x10000 up carries two channels; the page shows the left.
    const uint32_t level = volume >= 0x10000 ? (volume & 0xFFFF) : volume;
    return static_cast<int>(std::min<uint32_t>(level / kVolumeStep, 100));
}

uint32_t VolumeForTest(int percent) {
    return static_cast<uint32_t>(std::clamp(percent, 0, 100) * kVolumeStep);
}

uint32_t VolumeForOk(int percent) {
    const uint32_t volume = VolumeForTest(percent);
    return volume > 65499 ? 0xFFFF : volume;
}

SGeneralValues SGeneralValues::FromSettings(const SAttribute& settings) {
    SGeneralValues v;
    v[V::Pitch] = settings.pitch;
    v[V::Speed] = settings.speed;
    v[V::Volume] = VolumePercentFromSettings(settings.volume);
    v[V::Processor] = settings.realTime;
    v[V::Intonation] = settings.intonationDepth;
    v[V::VoicePitch] = settings.voicePitch;
    v[V::PauseDoubleLetter] = settings.pauseDoubleLetter;
    v[V::PauseInterWord] = settings.pauseInterWord;
    v[V::PauseInterSentence] = settings.pauseInterSentence;
    v[V::PausePunctuation] = settings.pausePunctuation;
    return v;
}

SGeneralValues SGeneralValues::Defaults() {
    SGeneralValues v;
    for (const SGeneralSliderSpec& slider : kSpecs) v[slider.value] = slider.defaultValue;
    return v;
}

int SGeneralValues::PositionOf(SGeneralValue v, int value) {
    const SGeneralSliderSpec& slider = GeneralSliderSpec(v);
    return std::clamp(value / slider.scale, slider.minPosition, slider.maxPosition);
}

int SGeneralValues::ValueAt(SGeneralValue v, int position) {
    const SGeneralSliderSpec& slider = GeneralSliderSpec(v);
    return std::clamp(position, slider.minPosition, slider.maxPosition) * slider.scale;
}

std::vector<SGeneralValue> SGeneralValues::TakeSliderPosition(SGeneralValue v, int position) {
    (*this)[v] = ValueAt(v, position);
    if (v == V::Pitch) {
        (*this)[V::Speed] = (*this)[V::Pitch] / 2;
        return {V::Pitch, V::Speed};
    }
    if (v == V::Speed) {
        (*this)[V::Pitch] = 2 * (*this)[V::Speed];
        return {V::Speed, V::Pitch};
    }
    return {v};
}

void StoreForTest(const SGeneralValues& values, SAttribute& settings) {
    settings.SetPitch(values[V::Pitch]);
    settings.SetSpeed(values[V::Speed]);
    settings.SetRealTime(values[V::Processor]);
    settings.SetVolume(VolumeForTest(values[V::Volume]));
    settings.SetIntonationDepth(values[V::Intonation]);
    settings.SetVoicePitch(values[V::VoicePitch]);
    settings.pauseInterSentence = values[V::PauseInterSentence];
    settings.pausePunctuation = values[V::PausePunctuation];
    settings.pauseInterWord = values[V::PauseInterWord];
    settings.pauseDoubleLetter = values[V::PauseDoubleLetter];
}

std::vector<int> StoreForOk(const SGeneralValues& values, SAttribute& settings,
                            SGeneralValues& builtWith) {
    settings.SetSpeed(values[V::Speed]);
    settings.SetPitch(values[V::Pitch]);
    settings.SetIntonationDepth(values[V::Intonation]);
    settings.SetVoicePitch(values[V::VoicePitch]);
    settings.SetVolume(VolumeForOk(values[V::Volume]));
    settings.SetRealTime(values[V::Processor]);

    std::vector<int> toRebuild;
    for (const SPauseBinding& pause : kPauseBindings) {
        const int value = values[pause.value];
        if (value != settings.*pause.field || value != builtWith[pause.value])
            toRebuild.push_back(pause.patternId);
        settings.*pause.field = value;
        builtWith[pause.value] = value;
    }
    return toRebuild;
}

SGeneralSnapshot SGeneralSnapshot::Capture(const SAttribute& s) {
    return {s.pitch,
            s.speed,
            s.volume,
            s.realTime,
            s.intonationDepth,
            s.voicePitch,
            s.pauseInterSentence,
            s.pausePunctuation,
            s.pauseInterWord,
            s.pauseDoubleLetter};
}

void SGeneralSnapshot::RestoreTo(SAttribute& s) const {
    s.pitch = pitch;
    s.speed = speed;
    s.volume = volume;
    s.realTime = realTime;
    s.intonationDepth = intonationDepth;
    s.voicePitch = voicePitch;
    s.pauseInterSentence = pauseInterSentence;
    s.pausePunctuation = pausePunctuation;
    s.pauseInterWord = pauseInterWord;
    s.pauseDoubleLetter = pauseDoubleLetter;
}
