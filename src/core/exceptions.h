// The engine's error vocabulary: a bounded, printf-formatted message and,
// for SExitException, a code (-1 processing or format error, -2 a file that
// cannot be opened, -3 voice database error, -7 bad load argument).
#pragma once

#include <cstdarg>

class SException {
public:
    static constexpr int kMessageSize = 516;

    SException() { message_[0] = '\0'; }
    explicit SException(const char* format, ...) __attribute__((format(printf, 2, 3)));
    virtual ~SException() = default;

    const char* GetMessage() const { return message_; }

protected:
    void FormatV(const char* format, va_list args);

private:
    char message_[kMessageSize];
};

class SExitException : public SException {
public:
    SExitException(int code, const char* format, ...) __attribute__((format(printf, 3, 4)));

    int GetCode() const { return code_; }

private:
    int code_;
};

enum SExitCode : int {
    kExitProcessing = -1,
    kExitFileOpen = -2,
    kExitVoiceDatabase = -3,
    kExitLoadArgument = -7,
};

// Formats the message (truncated to fit) and throws SExitException by value.
[[noreturn]] void ThrowExit(int code, const char* format, ...)
    __attribute__((format(printf, 2, 3)));

// Writes the log line of an exception caught where it must not escape:
// "wyjątek: <message>", after "<where>: " when `where` is given. Never throws.
void LogException(const char* message, const char* where = nullptr) noexcept;
// The same for an exception of unknown kind: "<where>: nieznany wyjątek".
void LogUnknownException(const char* where) noexcept;
