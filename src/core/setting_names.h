// Settings named by their registry value names (compared without regard to
// case, as the registry does): the command line's --set and the C interface.
#pragma once

#include <cstdint>
#include <string>

class SAttribute;

// Applies one setting. Returns "" on success, else a one-line error naming it.
// Numbers are checked against the range of their typed setter (Volume
// 0..65535, pauses 0..10000 ms, IntonationDepth 0..100, RealTime 5..99);
// Speed, Pitch and VoicePitch go through their clamping setters and
// AbbrevLimit is clamped to 0..10, as stored values are. Yes/no values accept
// yes/no, true/false, on/off, 1/0.
std::string ApplySettingOverride(SAttribute& settings, const std::string& name,
                                 const std::string& value);

// "<value> is outside <low>..<high>": the one wording of a refused number.
std::string OutOfRangeMessage(int64_t value, int64_t low, int64_t high);

// The registry names accepted, comma separated (for messages).
std::string SettingNames();
