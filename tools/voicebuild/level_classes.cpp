#include "level_classes.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "model/inventory.h"

namespace voicebuild {

namespace {

constexpr double kActiveRangeDb = 30.0;
constexpr int kHighestSample = 32000;

const char* const kClassOrder[] = {"plain vowels",        "stressed vowels", "phrase-final vowels",
                                   "nasals and liquids",  "glides",          "fricatives",
                                   "stops and affricates"};

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    size_t n = v.size();
    return n % 2 ? v[n / 2] : 0.5 * (v[n / 2 - 1] + v[n / 2]);
}

std::map<std::string, std::vector<const AllophoneRecording*>> ByClass(const RecordingSet& set) {
    std::map<std::string, std::vector<const AllophoneRecording*>> classes;
    for (const auto& r : set.recordings) classes[LevelClassOf(r.name)].push_back(&r);
    return classes;
}

}  // namespace

std::string LevelClassOf(const std::string& name) {
    int id = InventoryFindByName(name);
    uint16_t f = InventoryFeatures(id);
    if (f & AF_VOWEL) {
        if (id >= 33) return "phrase-final vowels";
        return id >= 17 ? "stressed vowels" : "plain vowels";
    }
    if (f & AF_GLIDE) return "glides";
    if (f & (AF_NASAL | AF_LATERAL | AF_TRILL)) return "nasals and liquids";
    if ((f & AF_FRICATIVE) && !(f & AF_AFFRICATE)) return "fricatives";
    return "stops and affricates";
}

double ActiveLevelDb(const std::vector<int16_t>& samples, int rate) {
    size_t frame = std::max<size_t>(1, size_t(rate / 200));
    std::vector<double> power;
    for (size_t at = 0; at < samples.size(); at += frame) {
        size_t end = std::min(samples.size(), at + frame);
        double sum = 0;
        for (size_t i = at; i < end; ++i) sum += double(samples[i]) * samples[i];
        power.push_back(sum / double(end - at));
    }
    if (power.empty()) return -120.0;
    double loudest = *std::max_element(power.begin(), power.end());
    if (loudest <= 0) return -120.0;
    double floor = loudest * std::pow(10.0, -kActiveRangeDb / 10.0), sum = 0;
    int count = 0;
    for (double p : power)
        if (p >= floor) sum += p, ++count;
    return 10.0 * std::log10(sum / count / (32768.0 * 32768.0));
}

std::vector<ClassSpread> LevelSpreads(const RecordingSet& set) {
    auto classes = ByClass(set);
    std::vector<ClassSpread> spreads;
    for (const char* label : kClassOrder) {
        auto it = classes.find(label);
        if (it == classes.end()) continue;
        std::vector<double> levels;
        for (const auto* r : it->second) levels.push_back(ActiveLevelDb(r->samples, set.rate));
        auto [lo, hi] = std::minmax_element(levels.begin(), levels.end());
        spreads.push_back({label, int(levels.size()), *lo, Median(levels), *hi});
    }
    return spreads;
}

void MatchClassLevels(RecordingSet& set) {
    std::map<std::string, double> target;
    for (const auto& [label, members] : ByClass(set)) {
        std::vector<double> levels;
        for (const auto* r : members) levels.push_back(ActiveLevelDb(r->samples, set.rate));
        target[label] = Median(levels);
    }
    for (auto& r : set.recordings) {
        if (r.samples.empty()) continue;
        double gain = std::pow(
            10.0, (target[LevelClassOf(r.name)] - ActiveLevelDb(r.samples, set.rate)) / 20.0);
        int peak = 0;
        for (int16_t v : r.samples) peak = std::max(peak, std::abs(int(v)));
        if (peak > 0) gain = std::min(gain, double(kHighestSample) / peak);
        for (int16_t& v : r.samples) v = int16_t(std::lround(v * gain));
    }
}

}  // namespace voicebuild
