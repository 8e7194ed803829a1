#include "voice_database.h"

#include <soxr.h>

#include <algorithm>
#include <cmath>

#include "allophone_cut.h"
#include "core/exceptions.h"
#include "espeak_source.h"
#include "level_classes.h"
#include "model/inventory.h"
#include "model/pattern_store.h"
#include "synthesis/inventory_voice.h"

namespace voicebuild {

namespace {

constexpr int kLastRecordedId = 97;  // "jj"; the ids above are pauses and silent slots

size_t FadeSamples(int rate) {
    return size_t(std::lround(rate * kFadeMs / 1000.0));
}

}  // namespace

std::vector<int> RecordedIds() {
    std::vector<int> ids;
    for (int id = 1; id <= kLastRecordedId; ++id)
        if (!InventoryName(id).empty()) ids.push_back(id);
    return ids;
}

std::vector<std::string> RecordedNames() {
    std::vector<std::string> names;
    for (int id : RecordedIds()) {
        std::string name(InventoryName(id));
        if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    }
    return names;
}

std::vector<std::string> MissingNames(const RecordingSet& set) {
    std::vector<std::string> missing;
    for (const auto& name : RecordedNames())
        if (set.Find(name) == nullptr) missing.push_back(name);
    return missing;
}

void ConditionRecordings(RecordingSet& set) {
    for (auto& r : set.recordings) FadeEdges(r.samples, FadeSamples(set.rate));
    MatchClassLevels(set);
    NormaliseSetPeak(set, kSetPeakDb);
}

std::vector<int16_t> ResampleSamples(const std::vector<int16_t>& in, int from, int to) {
    const soxr_io_spec_t io = soxr_io_spec(SOXR_INT16_I, SOXR_INT16_I);
    soxr_io_spec_t io_plain = io;
    io_plain.flags |= SOXR_NO_DITHER;  // dither is random: the output must be reproducible
    const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
    const soxr_runtime_spec_t runtime = soxr_runtime_spec(1);
    std::vector<int16_t> out(size_t(std::ceil(double(in.size()) * to / from)) + 16);
    size_t done = 0;
    soxr_error_t err = soxr_oneshot(from, to, 1, in.data(), in.size(), nullptr, out.data(),
                                    out.size(), &done, &io_plain, &quality, &runtime);
    if (err != nullptr) ThrowExit(kExitProcessing, "resampling failed: %s", err);
    out.resize(done);
    return out;
}

RecordingSet Resample(const RecordingSet& set, int rate) {
    RecordingSet out;
    out.rate = rate;
    for (const auto& r : set.recordings) {
        std::vector<int16_t> samples = ResampleSamples(r.samples, set.rate, rate);
        FadeEdges(samples, FadeSamples(rate));
        out.recordings.push_back({r.name, std::move(samples), r.how});
    }
    return out;
}

void BuildStore(const RecordingSet& set, SAlfPattArr& store) {
    store.RemoveAll();
    const SPcmFormat format = MonoPcm16(uint32_t(set.rate));
    for (int id : RecordedIds()) {
        const AllophoneRecording* r = set.Find(std::string(InventoryName(id)));
        if (r == nullptr)
            ThrowExit(kExitProcessing, "no recording for \"%s\"",
                      std::string(InventoryName(id)).c_str());
        const SAlofonHeader& header = InventoryEntry(id);
        store.Store(id,
                    new SAlofonPatt(header, r->samples.data(), int(r->samples.size() * 2), format));
    }
}

}  // namespace voicebuild
