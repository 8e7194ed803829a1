// Holds back what is written to standard error (by this process or a module
// it loaded, which logs there itself) so that a failure can be told in the
// command's one line instead of the engine's several.
#pragma once

#include <string>

class SStderrCapture {
public:
    // Starts capturing; without a temporary file, nothing is captured.
    SStderrCapture();
    // Passes on anything not taken.
    ~SStderrCapture();
    SStderrCapture(const SStderrCapture&) = delete;
    SStderrCapture& operator=(const SStderrCapture&) = delete;

    // Stops capturing and returns what was written (bytes as written).
    std::string Take();
    // Stops capturing and writes what was held back to standard error.
    void Release();

private:
    int saved_ = -1;
    int held_ = -1;
};
