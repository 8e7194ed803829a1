#include "protocol_io.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {
constexpr char kEscape = 0x7D;
constexpr char kInvert = 0x20;
}  // namespace

bool SLineReader::Fill(int milliseconds) {
    if (atEnd_) return false;
    pollfd ready{fd_, POLLIN, 0};
    int polled;
    do polled = poll(&ready, 1, milliseconds);
    while (polled < 0 && errno == EINTR);
    if (polled <= 0) return false;
    char chunk[1u << 16];
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
        // A long line arrives in many reads: each byte is searched once.
        const size_t newline = buffer_.find('\n', searched_);
        if (newline != std::string::npos) {
            const size_t begin = start_;
            start_ = searched_ = newline + 1;
            const bool wasCut = cutting_;
            cutting_ = false;
            if (wasCut) continue;  // the tail of a line already cut
            line.assign(buffer_, begin, newline - begin);
            return true;
        }
        searched_ = buffer_.size();
        if (searched_ - start_ > kMaxLine) {
            const bool cutHere = !cutting_;
            if (cutHere) line.assign(buffer_, start_, kMaxLine);
            buffer_.clear();
            start_ = searched_ = 0;
            cutting_ = true;
            if (cutHere) return true;
        }
        // The lines given out leave the buffer once per read, not once per
        // line: many short lines cost no more than one long one.
        buffer_.erase(0, start_);
        searched_ -= start_;
        start_ = 0;
        if (!Fill(wait ? -1 : 0)) return false;
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

namespace {

// Length of the UTF-8 character at `at`, 0 when the bytes there are not one.
size_t Utf8Length(std::string_view text, size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const size_t length = lead < 0x80                    ? 1
                          : lead >= 0xC2 && lead <= 0xDF ? 2
                          : lead >= 0xE0 && lead <= 0xEF ? 3
                          : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                         : 0;
    if (length == 0 || at + length > text.size()) return 0;
    for (size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) return 0;
    // Overlong forms, surrogates and code points past U+10FFFF.
    const auto second = length > 1 ? static_cast<unsigned char>(text[at + 1]) : 0;
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F))
        return 0;
    return length;
}

}  // namespace

std::string SingleLine(std::string_view text) {
    std::string line;
    line.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        const size_t length = Utf8Length(text, at);
        const auto c = static_cast<unsigned char>(text[at]);
        if (length == 0)
            line += '?';
        else if (c < 0x20 || c == 0x7F)
            line += '_';
        else
            line.append(text, at, length);
        at += length == 0 ? 1 : length;
    }
    return line;
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
