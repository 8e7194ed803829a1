// Settings named by their registry value names (compared without regard to
// case, as the registry does): the command line's --set and the C interface.
#pragma once

#include <string>

class SAttribute;

// Applies one setting. Returns "" on success, else a one-line error naming it.
// Speed and Pitch go through the coupled, clamping setters; AbbrevLimit is
// clamped to 0..10; yes/no values accept yes/no, true/false, on/off, 1/0.
std::string ApplySettingOverride(SAttribute& settings, const std::string& name,
                                 const std::string& value);

// The registry names accepted, comma separated (for messages).
std::string SettingNames();
