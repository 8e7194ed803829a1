// A small voice built in memory for the database tests.
#pragma once

#include <cmath>
#include <cstring>
#include <vector>

#include "model/inventory.h"
#include "model/pattern_store.h"

inline SPcmFormat VoiceTestFormat(uint32_t rate = 22050) {
    return SPcmFormat{1, 1, rate, 2 * rate, 2, 16};
}

inline std::vector<int16_t> TestTone(int count, double frequency, double amplitude) {
    std::vector<int16_t> samples(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        samples[static_cast<size_t>(i)] = static_cast<int16_t>(amplitude * std::sin(i * frequency));
    return samples;
}

// Patterns at ids 1, 2 and 49 fitted from tones (one segment per sample), and
// at id 3 a knot layout of steps 10, 40, 7, 25 fitted from a tone; all carry
// their inventory header and a "maxe" value.
inline void BuildTestVoice(SAlfPattArr& store) {
    const SPcmFormat format = VoiceTestFormat();
    const struct {
        int id, count;
        double frequency, amplitude;
    } tones[] = {{1, 120, 0.11, 9000}, {2, 64, 0.3, 2000}, {49, 200, 0.05, 20000}};
    for (const auto& t : tones) {
        std::vector<int16_t> samples = TestTone(t.count, t.frequency, t.amplitude);
        auto* pattern = new SAlofonPatt(InventoryEntry(t.id), samples.data(), 2 * t.count, format);
        pattern->maxe = 1000u + static_cast<uint32_t>(t.id);
        store.Store(t.id, pattern);
    }
    auto* knots = new SAlofonPatt();
    int start = 0;
    for (int length : {10, 40, 7, 25}) {
        knots->Add(SSplineSegment{start, static_cast<uint16_t>(length), 0, {}, {}, {}});
        start += length;
    }
    std::vector<int16_t> wave = TestTone(start, 0.07, 12000);
    knots->CompleteFromSteps(InventoryEntry(3), wave.data(), 2 * start, format);
    knots->maxe = 77;
    store.Store(3, knots);
}
