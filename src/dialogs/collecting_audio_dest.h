// An audio destination that keeps what it is given in memory, up to a
// limit, so that a whole test sentence can be rendered before it is played.
// Marks are counted and dropped: nothing plays them back.
#pragma once

#include <cstdint>
#include <vector>

#include "core/audio_dest.h"

class SCollectingAudioDest : public SAudioDest {
public:
    // Five minutes of 16-bit mono sound at 22050 Hz.
    static constexpr uint32_t kDefaultLimit = 5 * 60 * 22050 * 2;

    explicit SCollectingAudioDest(uint32_t limitBytes = kDefaultLimit) : limit_(limitBytes) {}

    // The room left before the limit; 0 once it is reached.
    uint32_t FreeSpace() override;
    // Refuses (false) data beyond the limit, keeping nothing of it.
    bool DataSet(const void* data, uint32_t bytes) override;
    bool BookMark(uint32_t) override {
        ++marks_;
        return true;
    }

    const std::vector<unsigned char>& Bytes() const { return bytes_; }
    uint32_t Marks() const { return marks_; }
    void Clear() {
        bytes_.clear();
        marks_ = 0;
    }

private:
    uint32_t limit_;
    std::vector<unsigned char> bytes_;
    uint32_t marks_ = 0;
};
