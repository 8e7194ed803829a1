// How speech-dispatcher's server plays what a module sends when the sound
// goes through the server: each audio block in real time from its arrival
// (or from the end of the one before), each mark once the sound before it
// has played. After a client's PAUSE, the first of the server's own marks
// ("__spd_") to arrive arms the pause: playing stops at the first such mark
// played from then on, everything after it is dropped, and the message is
// resumed from that mark.
#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

class SServerPlayback {
public:
    using SClock = std::chrono::steady_clock;

    explicit SServerPlayback(int sampleRate) : sampleRate_(sampleRate) {}

    void Audio(size_t samples, SClock::time_point arrival);
    void Mark(const std::string& name, SClock::time_point arrival);
    // The client's PAUSE reached the server.
    void Pause(SClock::time_point when) { pause_ = when; }

    struct SStop {
        bool found = false;
        std::string mark;                      // the server mark it stopped at
        size_t samplesPlayed = 0;              // the sound played before it
        std::vector<std::string> marksPlayed;  // every mark played before it
    };
    // Where the paused message stopped.
    SStop Stop() const;

private:
    struct SItem {
        std::string mark;  // "" for audio
        size_t samples = 0;
        SClock::time_point arrival;
    };

    int sampleRate_;
    std::vector<SItem> items_;
    SClock::time_point pause_ = SClock::time_point::max();
};
