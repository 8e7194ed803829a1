// What the C interface tests share: a handle over the shipped voice and a
// callback that gathers the samples and marks of one text.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "vokrant/vokrant.h"

namespace capi_test {

inline const std::string kVoiceDir = VOKRANT_SOURCE_DATA_DIR;

struct SMark {
    uint64_t sample;
    std::string type;
    int64_t value;
    bool operator==(const SMark&) const = default;
};

struct SSpoken {
    int status = 0;
    std::vector<int16_t> pcm;
    std::vector<SMark> marks;  // word values are byte offsets
    size_t largestChunk = 0;
    int ends = 0;
};

inline int Collect(const vokrant_event* event, void* user) {
    auto& spoken = *static_cast<SSpoken*>(user);
    switch (event->type) {
        case VOKRANT_EVENT_AUDIO:
            EXPECT_EQ(event->sample_position, spoken.pcm.size());
            spoken.pcm.insert(spoken.pcm.end(), event->samples,
                              event->samples + event->sample_count);
            spoken.largestChunk = std::max(spoken.largestChunk, event->sample_count);
            break;
        case VOKRANT_EVENT_WORD:
            spoken.marks.push_back(
                {event->sample_position, "word", static_cast<int64_t>(event->text_offset)});
            break;
        case VOKRANT_EVENT_BOOKMARK:
            spoken.marks.push_back({event->sample_position, "bookmark", event->bookmark});
            break;
        case VOKRANT_EVENT_END:
            EXPECT_EQ(event->sample_position, spoken.pcm.size());
            ++spoken.ends;
            break;
    }
    return 0;
}

struct SHandle {
    vokrant* handle = nullptr;
    SHandle() {
        int status = 0;
        handle = vokrant_new(kVoiceDir.c_str(), nullptr, &status);
        EXPECT_EQ(status, VOKRANT_OK) << vokrant_last_error(nullptr);
    }
    ~SHandle() { vokrant_free(handle); }
    SSpoken Speak(const std::string& text, unsigned flags = 0) {
        SSpoken spoken;
        spoken.status = vokrant_speak(handle, text.data(), text.size(), flags, Collect, &spoken);
        return spoken;
    }
};

// FNV-1a 64 of the samples as little-endian bytes: what the captured sound
// files of the tests hold beside each text's sample count.
inline uint64_t Fnv1a64(const std::vector<int16_t>& pcm) {
    uint64_t hash = 0xcbf29ce484222325ull;
    for (int16_t sample : pcm) {
        const uint16_t bits = static_cast<uint16_t>(sample);
        for (uint8_t byte : {static_cast<uint8_t>(bits & 0xFF), static_cast<uint8_t>(bits >> 8)}) {
            hash ^= byte;
            hash *= 0x100000001b3ull;
        }
    }
    return hash;
}

// Each extension by its setting name, with the value that switches it off.
inline const char* const kExtensionsOff[][2] = {
    {"ExtendedReading", "No"},
    {"Intonation", "No"},
    {"VoicePitch", "100"},
    {"SmoothJoins", "No"},
    {"ContextSounds", "No"},
    {"KeepFormants", "No"},
};

inline bool VoicePresent() {
    return std::filesystem::exists(kVoiceDir + "pln_22.als") &&
           std::filesystem::exists(kVoiceDir + "pln_11.als");
}

}  // namespace capi_test
