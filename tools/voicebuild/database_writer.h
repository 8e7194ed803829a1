// Writes a set of recordings as a voice database file through the engine's
// own database writer.
#pragma once

#include <string>

#include "recording_set.h"

namespace voicebuild {

// Every recorded id of the inventory gets its name's recording. The file is
// written to a temporary name and renamed into place.
void WriteVoiceDatabase(const std::string& path, const RecordingSet& set);

}  // namespace voicebuild
