// An audio destination for tests: a settable amount of free space, and a
// record of every byte and bookmark in the order they arrived. "Playing"
// frees space and hands back the bookmarks that playback passed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/audio_dest.h"

class SSimulatedAudioDest : public SAudioDest {
public:
    // One arrival: bytes (mark unused) or a bookmark (bytes empty).
    struct Event {
        bool isMark = false;
        uint32_t mark = 0;
        std::string bytes;
        uint64_t streamPosition = 0;  // bytes received before this event
    };

    // `capacity` is the buffer size; SetFreeSpace overrides what is free.
    explicit SSimulatedAudioDest(uint32_t capacity = 0x10000)
        : capacity_(capacity), free_(capacity) {}

    uint32_t FreeSpace() override { return free_; }
    bool DataSet(const void* data, uint32_t bytes) override;
    bool BookMark(uint32_t mark) override;

    void SetFreeSpace(uint32_t bytes) { free_ = bytes; }
    // Plays `bytes` of what was received: frees that much space (up to the
    // capacity). Returns the bookmarks whose position playback reached.
    std::vector<uint32_t> Play(uint64_t bytes);

    const std::vector<Event>& Events() const { return events_; }
    // All bytes received, in order.
    std::string Received() const;
    // Bookmarks received, in order, with the stream position of each.
    std::vector<std::pair<uint32_t, uint64_t>> Marks() const;
    uint64_t ReceivedBytes() const { return received_; }
    // Bytes refused because they exceeded the free space (should stay 0).
    uint64_t Overflow() const { return overflow_; }
    void Clear();

private:
    uint32_t capacity_;
    uint32_t free_;
    uint64_t received_ = 0;
    uint64_t played_ = 0;
    uint64_t overflow_ = 0;
    size_t nextPlayedMark_ = 0;
    std::vector<Event> events_;
};
