// --set NAME=VALUE: one setting changed for this run, named by its registry
// value name (compared without regard to case, as the registry does).
#pragma once

#include <string>

class SAttribute;

// Applies one override. Returns "" on success, else a one-line usage error.
// Speed and Pitch go through the coupled, clamping setters; AbbrevLimit is
// clamped to 0..10; yes/no values accept yes/no, true/false, on/off, 1/0.
std::string ApplySettingOverride(SAttribute& settings, const std::string& name, const std::string& value);

// The registry names --set accepts, comma separated (for messages).
std::string SettingNames();
