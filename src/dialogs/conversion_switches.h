// The switches of the Conversions page: one check box per switch of the text
// normaliser, with its control id, its text (UTF-8, '&' marks the mnemonic),
// the setting it edits and its "&Domyślne" state.
#pragma once

#include <span>
#include <vector>

class SAttribute;

enum class SConversionGroup { DateAndTime, Interpunction, Other };

struct SConversionSwitch {
    int id;
    const char* text;
    bool SAttribute::*setting;
    bool inverted;  // the box shows the opposite of the setting
    bool defaultChecked;
    SConversionGroup group;
};

// The switches of the plain rules.
std::span<const SConversionSwitch> ConversionSwitches();
// The switches of readings beyond them (ExtendedReading).
std::span<const SConversionSwitch> ExtensionSwitches();
// Every box the page shows: the plain switches, then the extension ones.
std::vector<SConversionSwitch> ConversionPageBoxes();
// The box with this id, or nullptr.
const SConversionSwitch* FindConversionSwitch(int id);

// The state the box shows for the settings, and the store of a box's state.
bool IsSwitchChecked(const SConversionSwitch& box, const SAttribute& settings);
void StoreSwitch(const SConversionSwitch& box, bool checked, SAttribute& settings);
