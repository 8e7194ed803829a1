#include "core/exceptions.h"

#include <cstdio>

SException::SException(const char* format, ...) {
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void SException::FormatV(const char* format, va_list args) {
    std::vsnprintf(message_, sizeof message_, format ? format : "", args);
}

SExitException::SExitException(int code, const char* format, ...) : code_(code) {
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void ThrowExit(int code, const char* format, ...) {
    va_list args;
    va_start(args, format);
    char buffer[SException::kMessageSize];
    std::vsnprintf(buffer, sizeof buffer, format ? format : "", args);
    va_end(args);
    throw SExitException(code, "%s", buffer);
}
