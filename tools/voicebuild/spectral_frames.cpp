#include "spectral_frames.h"

#include <algorithm>
#include <cmath>

namespace voicebuild {

namespace {

constexpr int kBands = 24;
constexpr double kLowHz = 100.0;
constexpr double kFloorPower = 1e-2;  // keeps silent bands finite: about -20 dB of one LSB squared

double HzToMel(double hz) {
    return 2595.0 * std::log10(1.0 + hz / 700.0);
}
double MelToHz(double mel) {
    return 700.0 * (std::pow(10.0, mel / 2595.0) - 1.0);
}

}  // namespace

SpectralAnalyser::SpectralAnalyser(int rate) {
    size_ = std::max<size_t>(64, size_t(std::lround(rate * 256.0 / 22050.0)));
    window_.resize(size_);
    for (size_t i = 0; i < size_; ++i)
        window_[i] = 0.54 - 0.46 * std::cos(2.0 * M_PI * double(i) / double(size_ - 1));
    size_t bins = size_ / 2 + 1;
    cos_.resize(size_ * bins);
    sin_.resize(size_ * bins);
    for (size_t k = 0; k < bins; ++k)
        for (size_t n = 0; n < size_; ++n) {
            double a = 2.0 * M_PI * double(k * n % size_) / double(size_);
            cos_[k * size_ + n] = std::cos(a);
            sin_[k * size_ + n] = std::sin(a);
        }
    double lo = HzToMel(kLowHz), hi = HzToMel(0.45 * rate);
    double bin_hz = double(rate) / double(size_);
    bands_.resize(kBands);
    for (int b = 0; b < kBands; ++b) {
        double left = MelToHz(lo + (hi - lo) * b / (kBands + 1));
        double centre = MelToHz(lo + (hi - lo) * (b + 1) / (kBands + 1));
        double right = MelToHz(lo + (hi - lo) * (b + 2) / (kBands + 1));
        for (size_t k = 0; k < bins; ++k) {
            double hz = double(k) * bin_hz;
            double w = hz <= left || hz >= right ? 0.0
                       : hz <= centre            ? (hz - left) / (centre - left)
                                                 : (right - hz) / (right - centre);
            if (w > 0) bands_[size_t(b)].push_back({k, w});
        }
        // A band narrower than one bin still takes the nearest bin.
        if (bands_[size_t(b)].empty())
            bands_[size_t(b)].push_back({std::min(bins - 1, size_t(centre / bin_hz + 0.5)), 1.0});
    }
}

MelFrame SpectralAnalyser::Frame(const std::vector<int16_t>& samples, size_t at) const {
    std::vector<double> x(size_, 0.0);
    for (size_t n = 0; n < size_ && at + n < samples.size(); ++n)
        x[n] = samples[at + n] * window_[n];
    size_t bins = size_ / 2 + 1;
    std::vector<double> power(bins);
    for (size_t k = 0; k < bins; ++k) {
        double re = 0, im = 0;
        const double* c = &cos_[k * size_];
        const double* s = &sin_[k * size_];
        for (size_t n = 0; n < size_; ++n) {
            re += x[n] * c[n];
            im -= x[n] * s[n];
        }
        power[k] = re * re + im * im;
    }
    MelFrame frame(bands_.size());
    for (size_t b = 0; b < bands_.size(); ++b) {
        double e = 0;
        for (auto [k, w] : bands_[b]) e += w * power[k];
        frame[b] = 10.0 * std::log10(e + kFloorPower);
    }
    return frame;
}

std::vector<MelFrame> SpectralAnalyser::Frames(const std::vector<int16_t>& samples, size_t from,
                                               size_t to, size_t hop) const {
    std::vector<MelFrame> frames;
    if (from >= to || hop == 0) return frames;
    size_t last = to > from + size_ ? to - size_ : from;
    for (size_t at = from; at <= last; at += hop) frames.push_back(Frame(samples, at));
    return frames;
}

double SpectralDistance(const MelFrame& a, const MelFrame& b) {
    size_t n = std::min(a.size(), b.size());
    if (n == 0) return 0.0;
    double sum = 0;
    for (size_t i = 0; i < n; ++i) sum += (a[i] - b[i]) * (a[i] - b[i]);
    return std::sqrt(sum / double(n));
}

MelFrame MeanFrame(const std::vector<MelFrame>& frames, size_t from, size_t to) {
    to = std::min(to, frames.size());
    if (from >= to) return {};
    MelFrame mean(frames[from].size(), 0.0);
    for (size_t f = from; f < to; ++f)
        for (size_t i = 0; i < mean.size(); ++i) mean[i] += frames[f][i];
    for (double& v : mean) v /= double(to - from);
    return mean;
}

}  // namespace voicebuild
