#include "platform/log.h"

#include <array>
#include <cstdio>
#include <mutex>

namespace {

constexpr int kLogBufferSize = 8192;

// Code page 1 of the log setting selects the identity table; the other tables
// of the original design are never selected, so only this one exists.
constexpr std::array<unsigned char, 256> MakeIdentityTable() {
    std::array<unsigned char, 256> table{};
    for (int i = 0; i < 256; ++i) table[i] = static_cast<unsigned char>(i);
    return table;
}
constexpr std::array<unsigned char, 256> kIdentityTable = MakeIdentityTable();

std::mutex g_writerMutex;
SLogWriter g_writer;

}  // namespace

SLogWriter SetLogWriter(SLogWriter writer) {
    std::lock_guard lock(g_writerMutex);
    std::swap(g_writer, writer);
    return writer;
}

void LogMessageV(const char* format, va_list args) {
    char buffer[kLogBufferSize];
    int n = std::vsnprintf(buffer, sizeof buffer, format ? format : "", args);
    if (n < 0) return;
    if (n >= kLogBufferSize) n = kLogBufferSize - 1;
    std::string text(buffer, static_cast<size_t>(n));
    for (char& c : text) c = static_cast<char>(kIdentityTable[static_cast<unsigned char>(c)]);
    std::lock_guard lock(g_writerMutex);
    if (g_writer) {
        g_writer(text);
        return;
    }
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
}

void LogMessage(const char* format, ...) {
    va_list args;
    va_start(args, format);
    LogMessageV(format, args);
    va_end(args);
}
