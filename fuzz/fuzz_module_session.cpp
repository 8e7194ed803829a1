// libFuzzer entry over the speech-dispatcher module's session loop: the
// bytes are the server's side of the conversation.
#include "session_exercise.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    session_exercise::ExerciseSession(data, size, VOKRANT_SOURCE_DATA_DIR);
    return 0;
}
