#include "protocol_io.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {
constexpr char kEscape = 0x7D;
constexpr char kInvert = 0x20;
}  // namespace

bool SLineReader::Fill(bool wait) {
    if (atEnd_) return false;
    pollfd ready{fd_, POLLIN, 0};
    int polled;
    do polled = poll(&ready, 1, wait ? -1 : 0);
    while (polled < 0 && errno == EINTR);
    if (polled <= 0) return false;
    char chunk[4096];
    ssize_t got;
    do got = read(fd_, chunk, sizeof chunk);
    while (got < 0 && errno == EINTR);
    if (got <= 0) {
        atEnd_ = true;
        return false;
    }
    buffer_.append(chunk, static_cast<size_t>(got));
    return true;
}

bool SLineReader::ReadLine(std::string& line, bool wait) {
    for (;;) {
        const size_t newline = buffer_.find('\n');
        if (newline != std::string::npos) {
            const bool wasCut = cutting_;
            cutting_ = false;
            if (!wasCut) {
                line.assign(buffer_, 0, newline);
                buffer_.erase(0, newline + 1);
                return true;
            }
            buffer_.erase(0, newline + 1);  // the tail of a line already cut
            continue;
        }
        if (buffer_.size() > kMaxLine) {
            if (!cutting_) {
                line.assign(buffer_, 0, kMaxLine);
                buffer_.clear();
                cutting_ = true;
                return true;
            }
            buffer_.clear();
        }
        if (!Fill(wait)) return false;
    }
}

bool SendToServer(std::string_view data) {
    while (!data.empty()) {
        const ssize_t written = write(STDOUT_FILENO, data.data(), data.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        data.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

std::string EscapeAudio(const void* data, size_t bytes) {
    const auto* in = static_cast<const char*>(data);
    std::string out;
    out.reserve(bytes + bytes / 64 + 8);
    for (size_t i = 0; i < bytes; ++i) {
        if (in[i] == '\n' || in[i] == kEscape) {
            out += kEscape;
            out += static_cast<char>(in[i] ^ kInvert);
        } else {
            out += in[i];
        }
    }
    return out;
}

std::string AudioBlock(const int16_t* samples, size_t count, int sampleRate) {
    std::string block =
        "705-bits=16\n705-num_channels=1\n705-sample_rate=" + std::to_string(sampleRate) +
        "\n705-num_samples=" + std::to_string(count) +
        "\n705-big_endian=" + (__BYTE_ORDER__ == __ORDER_BIG_ENDIAN__ ? "1" : "0") + "\n705-AUDIO";
    block += '\0';
    block += EscapeAudio(samples, count * sizeof(int16_t));
    block += "\n705 AUDIO\n";
    return block;
}
