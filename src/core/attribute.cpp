#include "core/attribute.h"

#include <algorithm>
#include <cstring>

#include "platform/intl.h"

const char* const kSettingsKeyPath = "Software\\Dravenlab\\Vokrant 1.6 SAPI";

namespace {

// Where ConfigureFromArguments points a developer run: the build tree's data.
constexpr const char* kDeveloperWorkDir = VOKRANT_SOURCE_DATA_DIR;

}  // namespace

SAttribute::SAttribute(void* ownerObject) : owner(ownerObject) {
    ReadRegionalSettings();
}

void SAttribute::ReadRegionalSettings() {
    SIntlSettings intl = ReadIntlSettings();
    decimalSeparator = intl.decimalSeparator;
    thousandsSeparator = intl.thousandsSeparator;
    dateSeparator = intl.dateSeparator;
    shortDatePattern = intl.shortDatePattern;
    dateSeparatorStored = intl.dateSeparatorStored;
    shortDatePatternStored = intl.shortDatePatternStored;
}

int SAttribute::SetPitch(int value) {
    value = std::clamp(value, kMinPitch, kMaxPitch);
    pitch = static_cast<uint16_t>(value);
    speed = value / 2;
    return pitch;
}

int SAttribute::SetSpeed(int value) {
    speed = std::clamp(value, kMinSpeed, kMaxSpeed);
    pitch = static_cast<uint16_t>(2 * speed);
    return speed;
}

int SAttribute::SetVoicePitch(int percent) {
    voicePitch = std::clamp(percent, kMinVoicePitch, kMaxVoicePitch);
    return voicePitch;
}

void SAttribute::Reset(int level) {
    if (level == 0) {
        spellMode = false;
        fluentSpeech = true;
        colloquialSpeech = true;
        forceTagSensitivity = true;
    } else if (level == 1) {
        SetSpeed(80);
        volume = kFullVolume;
    }
}

void SAttribute::ConfigureFromArguments(int argc, const char* const* argv) {
    workDir = kDeveloperWorkDir;
    useExtDict = true;
    extDict = "client.exp";
    if (argc < 3 || !argv || !argv[argc - 1]) return;
    static const struct {
        const char* argument;
        int mode;
    } kModes[] = {{"/S", 20}, {"/s", 21}, {"/O", 10}, {"/o", 11}, {"/8", 1}};
    for (const auto& entry : kModes)
        if (std::strcmp(argv[argc - 1], entry.argument) == 0) runMode = entry.mode;
}

SAttribute& DefaultAttribute() {
    static SAttribute record;
    return record;
}
