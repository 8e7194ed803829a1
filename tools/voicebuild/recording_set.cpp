#include "recording_set.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace voicebuild {

namespace {

double ToDb(double amplitude) {
    return amplitude > 0 ? 20.0 * std::log10(amplitude / 32768.0) : -120.0;
}

}  // namespace

const AllophoneRecording* RecordingSet::Find(const std::string& name) const {
    for (const auto& r : recordings)
        if (r.name == name) return &r;
    return nullptr;
}

Level MeasureLevel(const std::vector<int16_t>& samples, int rate) {
    Level level;
    if (samples.empty() || rate <= 0) return level;
    double sum = 0.0;
    int peak = 0;
    for (int16_t v : samples) {
        sum += double(v) * v;
        peak = std::max(peak, std::abs(int(v)));
    }
    level.ms = 1000.0 * double(samples.size()) / rate;
    level.rms_db = ToDb(std::sqrt(sum / double(samples.size())));
    level.peak_db = ToDb(peak);
    return level;
}

double NormaliseSetPeak(RecordingSet& set, double peak_db) {
    int peak = 0;
    for (const auto& r : set.recordings)
        for (int16_t v : r.samples) peak = std::max(peak, std::abs(int(v)));
    if (peak == 0) return 1.0;
    double gain = 32768.0 * std::pow(10.0, peak_db / 20.0) / peak;
    for (auto& r : set.recordings)
        for (int16_t& v : r.samples)
            v = int16_t(std::clamp(std::lround(v * gain), -32768L, 32767L));
    return gain;
}

}  // namespace voicebuild
