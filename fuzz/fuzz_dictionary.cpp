// libFuzzer entry over the user dictionary: its file, then a text read with it.
#include "dictionary_exercise.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    dictionary_exercise::ExerciseDictionary(data, size, VOKRANT_SOURCE_DATA_DIR);
    return 0;
}
