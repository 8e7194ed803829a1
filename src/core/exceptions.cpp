#include "core/exceptions.h"

#include <cstdio>

#include "platform/log.h"

namespace {

// "wyjątek" (an exception) in the log's Windows-1250.
constexpr const char* kExceptionWord = "wyj\xB9tek";

}  // namespace

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

void LogException(const char* message, const char* where) noexcept {
    try {
        if (where)
            LogMessage("%s: %s: %s\n", where, kExceptionWord, message ? message : "");
        else
            LogMessage("%s: %s\n", kExceptionWord, message ? message : "");
    } catch (...) {
        // The log is the last resort: nothing is left to report to.
    }
}

void LogUnknownException(const char* where) noexcept {
    try {
        LogMessage("%s: nieznany %s\n", where ? where : "", kExceptionWord);
    } catch (...) {
        // As above.
    }
}
