// Builds chunked files byte by byte for the tests, including damaged ones.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "soundfile/binary_file.h"

class RiffBuilder {
public:
    RiffBuilder& Raw(const std::string& bytes) {
        bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
        return *this;
    }
    RiffBuilder& U8(uint8_t v) {
        bytes_.push_back(v);
        return *this;
    }
    RiffBuilder& U16(uint16_t v) { return U8(v & 0xFF).U8(v >> 8); }
    RiffBuilder& U32(uint32_t v) { return U16(v & 0xFFFF).U16(v >> 16); }
    RiffBuilder& BE32(uint32_t v) {
        return U8(v >> 24).U8((v >> 16) & 0xFF).U8((v >> 8) & 0xFF).U8(v & 0xFF);
    }
    // "RIFF", a size patched by Finish, and the form type.
    RiffBuilder& Riff(const std::string& form) { return Raw("RIFF").U32(0).Raw(form); }
    RiffBuilder& Chunk(const std::string& id, const std::vector<uint8_t>& payload) {
        Raw(id).U32(static_cast<uint32_t>(payload.size()));
        bytes_.insert(bytes_.end(), payload.begin(), payload.end());
        return *this;
    }
    // A chunk whose header claims `claimed` bytes whatever follows.
    RiffBuilder& ChunkHeader(const std::string& id, uint32_t claimed) {
        return Raw(id).U32(claimed);
    }
    RiffBuilder& Fmt(uint32_t rate = 22050, uint16_t bits = 16, uint16_t tag = 1) {
        RiffBuilder b;
        b.U16(tag).U16(1).U32(rate).U32(rate * bits / 8).U16(bits / 8).U16(bits);
        return Chunk("fmt ", b.bytes_);
    }
    RiffBuilder& Version(uint16_t a, uint16_t b, uint16_t c, uint16_t d,
                         const std::string& date = "Feb 2001") {
        RiffBuilder v;
        v.U16(a).U16(b).U16(c).U16(d).Raw(date.substr(0, 8));
        return Chunk("VER ", v.bytes_);
    }
    std::vector<uint8_t> Finish() {
        if (bytes_.size() >= 8 && std::string(bytes_.begin(), bytes_.begin() + 4) == "RIFF") {
            uint32_t size = static_cast<uint32_t>(bytes_.size() - 8);
            for (int i = 0; i < 4; ++i) bytes_[4 + i] = static_cast<uint8_t>(size >> (8 * i));
        }
        return bytes_;
    }
    const std::vector<uint8_t>& Bytes() const { return bytes_; }

private:
    std::vector<uint8_t> bytes_;
};

inline uint32_t ReadLE32At(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | uint32_t(b[at + 3]) << 24;
}
inline uint16_t ReadLE16At(const std::vector<uint8_t>& b, size_t at) {
    return static_cast<uint16_t>(b[at] | b[at + 1] << 8);
}
