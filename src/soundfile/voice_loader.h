// MINIMAL PLACEHOLDER until the voice database loader lands: only the call the
// engine makes. The owner replaces this file.
#pragma once

#include <string>

class SAlfPattArr;

// Empties the store and fills it from the voice database `fileName` in
// `workDir` (or under the bare name). Throws SExitException (-3) when the file
// is missing or cannot be loaded. (Placeholder: finds the file, cannot read it.)
void LoadVoice(SAlfPattArr& store, const std::string& fileName, const std::string& workDir);
