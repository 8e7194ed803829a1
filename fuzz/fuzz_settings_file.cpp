// libFuzzer entry over the settings file: parse, format, parse again.
#include "settings_file_exercise.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    settings_file_exercise::ExerciseSettingsFile(data, size);
    return 0;
}
