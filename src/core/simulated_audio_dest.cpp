#include "core/simulated_audio_dest.h"

#include <algorithm>

bool SSimulatedAudioDest::DataSet(const void* data, uint32_t bytes) {
    if (bytes == 0) return true;
    if (!data) return false;
    if (bytes > free_) {
        overflow_ += bytes - free_;
        return false;
    }
    Event event;
    event.bytes.assign(static_cast<const char*>(data), bytes);
    event.streamPosition = received_;
    events_.push_back(std::move(event));
    received_ += bytes;
    free_ -= bytes;
    return true;
}

bool SSimulatedAudioDest::BookMark(uint32_t mark) {
    Event event;
    event.isMark = true;
    event.mark = mark;
    event.streamPosition = received_;
    events_.push_back(std::move(event));
    return true;
}

std::vector<uint32_t> SSimulatedAudioDest::Play(uint64_t bytes) {
    bytes = std::min(bytes, received_ - played_);
    played_ += bytes;
    free_ = static_cast<uint32_t>(std::min<uint64_t>(capacity_, free_ + bytes));
    std::vector<uint32_t> reached;
    for (; nextPlayedMark_ < events_.size(); ++nextPlayedMark_) {
        const Event& event = events_[nextPlayedMark_];
        if (event.streamPosition > played_) break;
        if (event.isMark) reached.push_back(event.mark);
    }
    return reached;
}

std::string SSimulatedAudioDest::Received() const {
    std::string all;
    for (const Event& event : events_) all += event.bytes;
    return all;
}

std::vector<std::pair<uint32_t, uint64_t>> SSimulatedAudioDest::Marks() const {
    std::vector<std::pair<uint32_t, uint64_t>> marks;
    for (const Event& event : events_)
        if (event.isMark) marks.emplace_back(event.mark, event.streamPosition);
    return marks;
}

void SSimulatedAudioDest::Clear() {
    events_.clear();
    received_ = played_ = overflow_ = 0;
    nextPlayedMark_ = 0;
    free_ = capacity_;
}
