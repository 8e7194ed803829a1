#include "database_writer.h"

#include <string>

#include "core/exceptions.h"
#include "model/inventory.h"
#include "soundfile/alof_file_format.h"
#include "soundfile/binary_file.h"
#include "synthesis/inventory_voice.h"
#include "voice_database.h"

namespace voicebuild {

// "ALOF" keeps the samples themselves: lossless, and about a tenth of the
// size of the segment layouts for the same voice.
void WriteVoiceDatabase(const std::string& path, const RecordingSet& set) {
    SAtomicFile target(path);
    {
        SAlofFileFormat alof(&target.File());
        alof.BeginDatabase(MonoPcm16(uint32_t(set.rate)));
        for (int id : RecordedIds()) {
            const AllophoneRecording* r = set.Find(std::string(InventoryName(id)));
            if (r == nullptr)
                ThrowExit(kExitProcessing, "no recording for \"%s\"",
                          std::string(InventoryName(id)).c_str());
            alof.WriteRecording(InventoryEntry(id), r->samples.data(), int(r->samples.size()));
        }
        alof.FinishDatabase();
    }
    target.Commit();
}

}  // namespace voicebuild
