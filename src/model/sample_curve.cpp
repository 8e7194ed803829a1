#include "model/sample_curve.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// The slope of the interpolating cubic spline at a sample is a sum of
// differences y[i + m] - y[i - m] whose weights fall by r = 2 - sqrt(3) per
// step; six of them leave an error below 0.1 % of the slope.
constexpr int kTaps = 6;

std::array<double, kTaps + 1> SlopeWeights() {
    const double r = 2.0 - std::sqrt(3.0);
    std::array<double, kTaps + 1> w{};
    double moment = 0;
    for (int m = 1; m <= kTaps; ++m) {
        w[m] = std::sqrt(3.0) / 2.0 * (1.0 - r * r) * std::pow(-r, m - 1);
        moment += 2.0 * m * w[m];
    }
    // Cut short, the weights give a ramp a slope slightly off 1: scaled so
    // that a straight line reads as exactly itself.
    for (int m = 1; m <= kTaps; ++m) w[m] /= moment;
    return w;
}

// The sample at any index, the recording taken as repeating.
double Wrapped(const int16_t* y, int n, int k) {
    if (k < 0 || k >= n) k = ((k % n) + n) % n;
    return y[k];
}

}  // namespace

std::vector<int16_t> SampleCurveSlopes(const int16_t* samples, int n) {
    if (!samples || n <= 0) return {};
    static const std::array<double, kTaps + 1> w = SlopeWeights();
    std::vector<int16_t> halves(static_cast<size_t>(n) + 1);
    for (int k = 0; k <= n; ++k) {
        double slope = 0;
        if (k >= kTaps && k + kTaps < n) {
            for (int m = 1; m <= kTaps; ++m) slope += w[m] * (samples[k + m] - samples[k - m]);
        } else {
            for (int m = 1; m <= kTaps; ++m)
                slope += w[m] * (Wrapped(samples, n, k + m) - Wrapped(samples, n, k - m));
        }
        // A slope beyond +-65534 needs a jump of nearly full scale between
        // neighbours; it is kept at that limit. Rounded half away from zero.
        const double half = std::clamp(slope / 2, -32768.0, 32767.0);
        halves[static_cast<size_t>(k)] = static_cast<int16_t>(half + (half < 0 ? -0.5 : 0.5));
    }
    return halves;
}

void ReadSampleCurve(SSplinePath path, const int16_t* samples, const int16_t* slopes, int n,
                     const SFP* positions, int count, int16_t* out) {
    if (count <= 0) return;
    if (!samples || !slopes || n <= 0) {
        std::fill(out, out + count, int16_t{0});
        return;
    }
    int done = 0;
    if (path == SSplinePath::kAvx2 && SplinePathAvailable(SSplinePath::kAvx2))
        done = ReadSampleCurveAvx2(samples, slopes, n, positions, count, out);
    const int32_t last = n >= 32768 ? INT32_MAX : (n << 16) - 1;
    for (int i = done; i < count; ++i) {
        const int32_t raw = std::clamp<int32_t>(positions[i].Raw(), 0, last);
        const int k = raw >> 16;
        // The same single-precision steps, in the same order, as the vector
        // reader takes: both give the same samples.
        const float t = static_cast<float>(raw & 0xFFFF) * (1.0f / 65536.0f);
        const float y0 = samples[k], y1 = k + 1 < n ? samples[k + 1] : samples[0];
        const float d0 = 2.0f * slopes[k], d1 = 2.0f * slopes[k + 1];
        // The Hermite cubic from y0 to y1 with those slopes, by Horner.
        const float c2 = 3.0f * (y1 - y0) - 2.0f * d0 - d1;
        const float c3 = 2.0f * (y0 - y1) + d0 + d1;
        float v = y0 + t * (d0 + t * (c2 + t * c3));
        v = std::min(std::max(v, -32768.0f), 32767.0f);
        out[i] = static_cast<int16_t>(static_cast<int>(v + (v < 0 ? -0.5f : 0.5f)));
    }
}
