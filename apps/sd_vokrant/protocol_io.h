// The module's side of speech-dispatcher's pipes: command lines read from
// standard input (waiting, or only what has already arrived), replies and
// events written whole to standard output, and audio blocks (705) with their
// escaping: a newline or the escape byte 0x7D travels as 0x7D followed by the
// byte with bit 5 inverted.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class SLineReader {
public:
    // Longest line kept; a longer one is cut (the rest is dropped up to its newline).
    static constexpr size_t kMaxLine = 16u << 20;

    explicit SLineReader(int fd) : fd_(fd) {}

    // Reads one line without its newline. Waits when `wait`, else returns false
    // at once when no whole line has arrived. False at end of input too.
    bool ReadLine(std::string& line, bool wait);
    bool AtEnd() const { return atEnd_; }
    // Waits up to `milliseconds` for input to arrive, and takes in what has.
    void WaitForInput(int milliseconds) { Fill(milliseconds); }

private:
    // Takes in what arrives within `milliseconds` (-1: waits for it).
    bool Fill(int milliseconds);

    int fd_;
    std::string buffer_;
    size_t start_ = 0;     // where the next line begins in buffer_
    size_t searched_ = 0;  // up to here buffer_ holds no newline after start_
    bool atEnd_ = false;
    bool cutting_ = false;
};

// Writes all of `data` to standard output; false when the server is gone.
bool SendToServer(std::string_view data);

// A client's text (a mark name) made safe to send as one line of a reply:
// control characters become '_' and bytes that are not UTF-8 become '?', so
// nothing a client writes can end the line or start another reply.
std::string SingleLine(std::string_view text);

// The escaped form of audio bytes.
std::string EscapeAudio(const void* data, size_t bytes);

// One 705 block: header lines, "705-AUDIO", a NUL, the escaped samples, "\n705 AUDIO\n".
std::string AudioBlock(const int16_t* samples, size_t count, int sampleRate);
