#include "server_playback.h"

#include <algorithm>

namespace {

bool IsServerMark(const std::string& name) {
    return name.rfind("__spd_", 0) == 0;
}

}  // namespace

void SServerPlayback::Audio(size_t samples, SClock::time_point arrival) {
    items_.push_back({"", samples, arrival});
}

void SServerPlayback::Mark(const std::string& name, SClock::time_point arrival) {
    items_.push_back({name, 0, arrival});
}

SServerPlayback::SStop SServerPlayback::Stop() const {
    SStop stop;
    // The server mark that arms the pause: the first to arrive after PAUSE.
    size_t armedBy = items_.size();
    for (size_t i = 0; i < items_.size() && armedBy == items_.size(); ++i)
        if (IsServerMark(items_[i].mark) && items_[i].arrival >= pause_) armedBy = i;
    if (armedBy == items_.size()) return stop;
    const SClock::time_point armed = items_[armedBy].arrival;
    SClock::time_point playEnd{};
    for (size_t i = 0; i <= armedBy; ++i) {
        const SItem& item = items_[i];
        const SClock::time_point start = std::max(item.arrival, playEnd);
        if (item.mark.empty()) {
            playEnd =
                start + std::chrono::duration_cast<SClock::duration>(
                            std::chrono::duration<double>(double(item.samples) / sampleRate_));
            stop.samplesPlayed += item.samples;
            continue;
        }
        if (IsServerMark(item.mark) && start >= armed) {
            stop.found = true;
            stop.mark = item.mark;
            return stop;
        }
        stop.marksPlayed.push_back(item.mark);
    }
    return stop;
}
