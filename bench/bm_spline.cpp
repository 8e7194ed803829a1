// Reading a pattern's curve at the positions timing prepares: the inner loop
// of synthesis. Items per second are output samples per second.
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "model/spline.h"
#include "model/spline_fit.h"
#include "model/spline_read.h"
#include "model/spline_table.h"

namespace {

constexpr int kPatternSamples = 4000;  // a long vowel at 22050 Hz

// A voiced-sounding recording: a 120 Hz fundamental with a few harmonics and
// a slow envelope, fitted one segment per sample as the voice loader does.
const SSplineSegments& VowelPattern() {
    static const SSplineSegments segments = [] {
        std::vector<int16_t> y(kPatternSamples);
        for (int k = 0; k < kPatternSamples; ++k) {
            double t = k / 22050.0;
            double envelope = std::sin(M_PI * k / kPatternSamples);
            double v = 0;
            for (int h = 1; h <= 6; ++h) v += std::sin(2 * M_PI * 120.0 * h * t + h) / h;
            y[k] = static_cast<int16_t>(std::lround(9000.0 * envelope * v));
        }
        SSplineSegments s;
        SSplinc::Fit(y.data(), kPatternSamples, true, s);
        return s;
    }();
    return segments;
}

// Positions 0, step, 2 step, ... below the pattern's end, as timing makes them.
std::vector<SFP> Positions(double step) {
    std::vector<SFP> positions;
    SFP stepFp = SFP::FromReal(step);
    const int64_t end = int64_t(kPatternSamples) << 16;
    for (int64_t raw = 0; raw < end; raw += stepFp.Raw())
        positions.push_back(SFP::FromRaw(int32_t(raw)));
    return positions;
}

void BM_SplineEvaluate(benchmark::State& state) {
    const SSplineSegments& segments = VowelPattern();
    double step = state.range(0) / 1000.0;
    std::vector<SFP> positions = Positions(step);
    std::vector<int16_t> out(positions.size());
    for (auto _ : state) {
        SSplineReader reader(segments);
        reader.Read(positions.data(), static_cast<int>(positions.size()), out.data());
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(positions.size()));
    state.SetLabel("step " + std::to_string(step));
}
// Step 1.0 (natural rate), 1.125 (faster), 0.9375 (the half-rate voice above 240).
BENCHMARK(BM_SplineEvaluate)->Arg(1000)->Arg(1125)->Arg(937);

// The same reads through each path of ReadSpline (path, step x 1000); a
// path the processor lacks is skipped.
void BM_SplinePath(benchmark::State& state) {
    const SSplinePath path = static_cast<SSplinePath>(state.range(0));
    if (!SplinePathAvailable(path)) {
        state.SkipWithError("path not available on this processor");
        return;
    }
    const SSplineSegments& segments = VowelPattern();
    static const SSplineTable table(segments);
    double step = state.range(1) / 1000.0;
    std::vector<SFP> positions = Positions(step);
    std::vector<int16_t> out(positions.size());
    for (auto _ : state) {
        ReadSpline(path, segments, &table, positions.data(), static_cast<int>(positions.size()),
                   out.data());
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(positions.size()));
    state.SetLabel(std::string(SplinePathName(path)) + " step " + std::to_string(step));
}
BENCHMARK(BM_SplinePath)
    ->ArgsProduct({{static_cast<int>(SSplinePath::kScalar),
                    static_cast<int>(SSplinePath::kPortable), static_cast<int>(SSplinePath::kSse2),
                    static_cast<int>(SSplinePath::kAvx2)},
                   {1000, 1125, 937}});

}  // namespace
