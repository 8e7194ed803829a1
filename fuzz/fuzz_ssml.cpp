// libFuzzer entry over the speech-dispatcher module's SSML conversion: no
// client text may come out as a tag or break a protocol line.
#include "ssml_exercise.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ssml_exercise::ExerciseSsml(data, size);
    return 0;
}
