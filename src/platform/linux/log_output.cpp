#include "platform/log_output.h"

#include <cstdio>

void WriteLogText(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
}
