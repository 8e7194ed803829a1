// libFuzzer entry over the sound-file and voice-database readers.
#include "sound_file_exercise.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ExerciseSoundFile(data, size);
    return 0;
}
