// The engine log: printf-style, at most 8192 bytes a message, passed through
// the log code-page table (fixed to identity, so Windows-1250 text is kept)
// and written to standard error. Standard output may carry the audio stream.
// It lives at the bottom layer because the registry hives report damaged
// files through it too.
#pragma once

#include <cstdarg>
#include <functional>
#include <string>

void LogMessage(const char* format, ...) __attribute__((format(printf, 1, 2)));
void LogMessageV(const char* format, va_list args);

// Replaces where log lines go (tests capture them). An empty function restores
// standard error. Returns the previous writer.
using SLogWriter = std::function<void(const std::string&)>;
SLogWriter SetLogWriter(SLogWriter writer);
