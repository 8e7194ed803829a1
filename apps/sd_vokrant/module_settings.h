// speech-dispatcher's settings (SET) in Vokrant's terms: rate and volume
// from -100..100 onto the speed scale and the volume range, punctuation
// mode onto reading punctuation, spelling mode onto the spell mode.
#pragma once

#include <string>

struct SModuleSettings {
    int speed = 80;            // speed scale, 40..200
    unsigned volume = 0xFFFF;  // 0..65535
    bool readPunctuation = false;
    bool spellMode = false;
    bool sayCapitals = false;  // cap_let_recogn other than "none"
};

// rate -100..100 -> 40..200 with 0 at the normal 80.
int SpeedFromRate(int rate);
// volume -100..100 -> 0..65535.
unsigned VolumeFromLevel(int level);

// Applies one "name=value" of a SET block. Names the module has no use for
// (pitch, pitch_range, voice, language, synthesis_voice, ...) are accepted
// and ignored; false only for a value it cannot read.
bool ApplyModuleSetting(SModuleSettings& settings, const std::string& name,
                        const std::string& value);
