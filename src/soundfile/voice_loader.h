// Loading a voice database into a pattern store.
#pragma once

#include <string>

#include "model/pattern_store.h"

// Empties the store, then loads fileName from workDir ("/" is put between
// them unless workDir ends in one); when no file is there but one exists under
// the bare fileName, that one is loaded. Accepts the "ALOF", "SALS" and
// "SALU" layouts at their own versions, then runs the store's FinishLoad.
//
// Raises SExitException: code -3 when the file is missing, of no known
// format, or of the wrong layout or version; code -1 for a damaged file, in
// which case the patterns read so far stay in the store.
//
// A section of context recordings in the file goes to store.contextSounds,
// at once or, with kOnFirstUse, when a sound first asks for one (the file is
// read again then). When it is damaged it is refused alone: the patterns
// load, the refusal is logged and, given contextProblem, the fault is put
// there ("" otherwise; never set by a load on first use).
enum class SContextLoading { kAtOnce, kOnFirstUse };
void LoadVoice(SAlfPattArr& store, const std::string& fileName, const std::string& workDir,
               std::string* contextProblem = nullptr,
               SContextLoading contextLoading = SContextLoading::kAtOnce);

// The path LoadVoice reads: workDir + fileName, else the bare fileName when
// only that exists; "" when neither exists.
std::string FindVoiceFile(const std::string& fileName, const std::string& workDir);
