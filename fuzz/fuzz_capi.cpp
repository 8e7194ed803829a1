// libFuzzer entry over the C interface: flags, settings and text, with the
// event contract checked on every call.
#include "capi_exercise.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    capi_exercise::ExerciseCApi(data, size, VOKRANT_SOURCE_DATA_DIR);
    return 0;
}
