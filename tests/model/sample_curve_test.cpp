// Reading plain samples at fractional positions: the samples themselves at
// whole positions, straight lines and slow sines as they are between them,
// and the curve of a spline fitted to the same samples within rounding.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "model/pattern.h"
#include "model/sample_curve.h"
#include "model/sounding.h"

namespace {

std::vector<int16_t> Read(const std::vector<int16_t>& y, const std::vector<SFP>& at,
                          SSplinePath path = FastestSplinePath()) {
    const std::vector<int16_t> slopes = SampleCurveSlopes(y.data(), static_cast<int>(y.size()));
    std::vector<int16_t> out(at.size(), 12345);
    ReadSampleCurve(path, y.data(), slopes.data(), static_cast<int>(y.size()), at.data(),
                    static_cast<int>(at.size()), out.data());
    return out;
}

// Positions from `from` by `step` (both in samples), `count` of them.
std::vector<SFP> Positions(double from, double step, int count) {
    std::vector<SFP> at;
    for (int i = 0; i < count; ++i) at.push_back(SFP::FromReal(from + i * step));
    return at;
}

std::vector<int16_t> Sine(int n, double period, double amplitude) {
    std::vector<int16_t> y(static_cast<size_t>(n));
    for (int k = 0; k < n; ++k)
        y[static_cast<size_t>(k)] =
            static_cast<int16_t>(std::lround(amplitude * std::sin(2 * M_PI * k / period)));
    return y;
}

TEST(SampleCurve, WholePositionsGiveTheSamplesThemselves) {
    const std::vector<int16_t> y = {-32768, 32767, 0, -1, 1, 500, -500, 32767, -32768, 7};
    std::vector<SFP> at;
    for (int k = 9; k >= 0; --k) at.push_back(SFP::FromInt(k));  // any order
    const std::vector<int16_t> out = Read(y, at);
    for (int k = 0; k < 10; ++k) EXPECT_EQ(out[static_cast<size_t>(9 - k)], y[k]) << k;
}

// Away from the ends, where the recording would wrap round, a ramp is read
// as the straight line through its samples.
TEST(SampleCurve, AStraightLineStaysStraightBetweenSamples) {
    const struct {
        int slope, offset;
        double step;
    } cases[] = {{100, 0, 0.25}, {-37, 1000, 0.3}, {1, -5, 0.125}, {250, -10000, 0.7}};
    for (const auto& c : cases) {
        std::vector<int16_t> y(80);
        for (int k = 0; k < 80; ++k) y[static_cast<size_t>(k)] = int16_t(c.offset + c.slope * k);
        const std::vector<SFP> at = Positions(10, c.step, static_cast<int>(58 / c.step));
        const std::vector<int16_t> out = Read(y, at);
        for (size_t i = 0; i < at.size(); ++i)
            ASSERT_NEAR(out[i], c.offset + c.slope * at[i].ToReal(), 0.5 + 1e-9)
                << "slope " << c.slope << " at " << at[i].ToReal();
    }
}

// A sine of 40 samples a period is read between its samples as the sine
// itself: a cubic through samples that close errs by well under one step.
TEST(SampleCurve, ASlowSineIsReadAsTheSineBetweenSamples) {
    for (double period : {40.0, 23.0, 100.0}) {
        const std::vector<int16_t> y = Sine(400, period, 12000);
        const std::vector<SFP> at = Positions(20, 0.37, 1000);
        const std::vector<int16_t> out = Read(y, at);
        for (size_t i = 0; i < at.size(); ++i)
            ASSERT_NEAR(out[i], 12000 * std::sin(2 * M_PI * at[i].ToReal() / period), 3.0)
                << period << " at " << at[i].ToReal();
    }
}

// The same samples held as a fitted pattern and as plain samples read alike
// at the steps the timing uses, away from the ends; both span as many
// samples.
TEST(SampleCurve, ReadsAsThePatternFittedToTheSameSamples) {
    std::vector<int16_t> y = Sine(600, 57.3, 9000);
    for (size_t k = 0; k < y.size(); ++k) y[k] = int16_t(y[k] + ((k * 7919) % 2001) - 1000);
    SAlofonPatt pattern(SAlofonHeader{}, y.data(), static_cast<int>(2 * y.size()),
                        SPcmFormat{1, 1, 22050, 44100, 2, 16});
    pattern.PrepareReading();
    SContextSounds recorded;
    recorded.Add(1, kContextAny, kContextAny, y);
    const SSounding curve(pattern), samples(pattern, recorded.At(0));
    EXPECT_EQ(samples.Length(), curve.Length());
    EXPECT_EQ(samples.Length(), 600);
    EXPECT_EQ(samples.WholeSamples(), curve.WholeSamples());
    for (double step : {0.6, 0.85, 1.0, 1.3, 1.9}) {
        const std::vector<SFP> at = Positions(15, step, static_cast<int>(570 / step));
        std::vector<int16_t> a(at.size()), b(at.size());
        curve.Read(at.data(), static_cast<int>(at.size()), a.data());
        samples.Read(at.data(), static_cast<int>(at.size()), b.data());
        for (size_t i = 0; i < at.size(); ++i)
            ASSERT_NEAR(a[i], b[i], 2) << "step " << step << " at " << at[i].ToReal();
    }
}

TEST(SampleCurve, EdgesAndOddInputsStayInRange) {
    // Past the last sample the curve runs back to the first, as a closed
    // pattern does; positions beyond either end are clamped.
    const std::vector<int16_t> flat(20, -700);
    for (int16_t v : Read(flat, {SFP::FromReal(19.5), SFP::FromRaw(-5 * 65536), SFP::FromInt(400),
                                 SFP::FromReal(0.5)}))
        EXPECT_EQ(v, -700);
    // Full-scale alternation overshoots between samples: clipped, not wrapped.
    std::vector<int16_t> harsh(64);
    for (size_t k = 0; k < harsh.size(); ++k) harsh[k] = k % 2 ? 32767 : -32768;
    for (int16_t v : Read(harsh, Positions(0, 0.1, 630))) EXPECT_TRUE(v >= -32768 && v <= 32767);
    EXPECT_EQ(Read({1234}, Positions(0, 0.3, 4)), (std::vector<int16_t>(4, 1234)));
    std::vector<int16_t> none(3, 9);
    const std::vector<SFP> at = Positions(0, 0.5, 3);
    ReadSampleCurve(FastestSplinePath(), nullptr, nullptr, 0, at.data(), 3, none.data());
    EXPECT_EQ(none, (std::vector<int16_t>(3, 0)));
}

// The vector reader, where the processor has it, gives the scalar one's
// samples to the bit: at every step, going backwards, and up to the end
// where the curve turns back to the first sample.
TEST(SampleCurve, EveryPathReadsTheSameSamples) {
    if (!SplinePathAvailable(SSplinePath::kAvx2)) GTEST_SKIP() << "no AVX2 here";
    std::vector<int16_t> y(500);
    for (size_t k = 0; k < y.size(); ++k) y[k] = int16_t(((k * 2654435761u) >> 7) % 60001 - 30000);
    std::vector<std::vector<SFP>> runs;
    for (double step : {0.31, 0.5, 1.0, 1.77, 2.4})
        runs.push_back(Positions(0, step, int(499.9 / step)));
    runs.push_back(Positions(498.2, -0.45, 900));  // backwards, from the last segment
    runs.push_back(Positions(-3, 1.1, 470));       // from before the start
    for (const std::vector<SFP>& at : runs)
        EXPECT_EQ(Read(y, at, SSplinePath::kAvx2), Read(y, at, SSplinePath::kScalar))
            << at.size() << " positions from " << at[0].ToReal();
}

}  // namespace
