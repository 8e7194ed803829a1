#include "platform/log_output.h"

#include <windows.h>

#include <cstdio>

void WriteLogText(const std::string& text) {
    OutputDebugStringA(text.c_str());
    if (GetConsoleWindow() == nullptr && GetStdHandle(STD_ERROR_HANDLE) == nullptr) return;
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
}
