#include "stderr_capture.h"

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>

SStderrCapture::SStderrCapture() {
    char name[] = "/tmp/vokrant-log-XXXXXX";
    held_ = mkstemp(name);
    if (held_ < 0) return;
    unlink(name);
    std::fflush(stderr);
    saved_ = dup(STDERR_FILENO);
    if (saved_ < 0 || dup2(held_, STDERR_FILENO) < 0) {
        if (saved_ >= 0) close(saved_);
        close(held_);
        saved_ = held_ = -1;
    }
}

SStderrCapture::~SStderrCapture() {
    Release();
}

std::string SStderrCapture::Take() {
    if (held_ < 0) return {};
    std::fflush(stderr);
    dup2(saved_, STDERR_FILENO);
    close(saved_);
    std::string text;
    char buffer[4096];
    ssize_t n = 0;
    // Only the start matters: a runaway log is not read whole.
    for (off_t at = 0;
         text.size() < (1u << 20) && (n = pread(held_, buffer, sizeof buffer, at)) > 0; at += n)
        text.append(buffer, static_cast<std::size_t>(n));
    close(held_);
    saved_ = held_ = -1;
    return text;
}

void SStderrCapture::Release() {
    if (held_ < 0) return;
    std::string text = Take();
    std::fwrite(text.data(), 1, text.size(), stderr);
}
