// libFuzzer entry over the text stages only: settings bytes, then text.
#include "speech_exercise.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    speech_exercise::ExerciseText(data, size, VOKRANT_SOURCE_DATA_DIR);
    return 0;
}
