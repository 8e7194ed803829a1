// On Windows the component logs to the debugger output (and to standard
// error only in a console), so nothing is held back: the engine's lines, if
// any, appear as they are written.
#include "stderr_capture.h"

SStderrCapture::SStderrCapture() = default;

SStderrCapture::~SStderrCapture() = default;

std::string SStderrCapture::Take() {
    return {};
}

void SStderrCapture::Release() {}
