#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "model/spline.h"
#include "model/spline_fit.h"

namespace {

TEST(FixedPoint, ConversionsFromReal) {
    struct Case {
        double x;
        int32_t raw;
    } cases[] = {
        {1.5, 98304},
        {-0.5, -32768},
        {40000.0, 32766 * 65536},
        {-40000.0, -32766 * 65536},
        {32767.0, 32766 * 65536},
        {0.00001, 0},
        {-0.00001, 0},
        {1.0 / 65536.0, 0},   // not above 2^-16
        {-2.99999, -196607},  // truncated toward zero
        {std::nan(""), 0},
    };
    for (const Case& c : cases) EXPECT_EQ(SFP::FromReal(c.x).Raw(), c.raw) << c.x;
}

TEST(FixedPoint, Arithmetic) {
    EXPECT_EQ((SFP::FromReal(1.5) * SFP::FromReal(-2.0)).Raw(), -3 * 65536);
    // The 64-bit product shifted arithmetically: rounds toward minus infinity.
    EXPECT_EQ((SFP::FromRaw(-1) * SFP::FromRaw(1)).Raw(), -1);
    EXPECT_EQ((SFP::FromInt(3) + SFP::FromRaw(5)).Raw(), 3 * 65536 + 5);
    EXPECT_EQ(SFP::FromRaw(-1).Floor(), -1);
    EXPECT_EQ(SFP::FromInt(-7).Floor(), -7);
    // Sums wrap like 32-bit integers rather than being undefined.
    EXPECT_EQ((SFP::FromRaw(INT32_MAX) + SFP::FromRaw(1)).Raw(), INT32_MIN);
}

std::vector<int16_t> Ramp(int n, int slope) {
    std::vector<int16_t> y(n);
    for (int k = 0; k < n; ++k) y[k] = static_cast<int16_t>(slope * k);
    return y;
}

TEST(UniformFit, LinearRampOpen) {
    std::vector<int16_t> y = Ramp(10, 100);
    SSplineSegments segments;
    ASSERT_TRUE(SSplinc::Fit(y.data(), 10, false, segments));
    ASSERT_EQ(segments.GetSize(), 10);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(segments[i].start, i);
        EXPECT_EQ(segments[i].length, 1);
        EXPECT_EQ(segments[i].c0, 100 * i);
        EXPECT_EQ(segments[i].c1.Raw(), i < 9 ? 100 * 65536 : 0) << i;
        EXPECT_EQ(segments[i].c2.Raw(), 0);
        EXPECT_EQ(segments[i].c3.Raw(), 0);
    }
    EXPECT_EQ(Evaluate(segments, SFP::FromRaw(163840)), 250);
}

TEST(UniformFit, NeedsEightSamples) {
    std::vector<int16_t> y = Ramp(8, 10);
    SSplineSegments segments;
    EXPECT_FALSE(SSplinc::Fit(y.data(), 7, false, segments));
    EXPECT_EQ(segments.GetSize(), 0);
    EXPECT_TRUE(SSplinc::Fit(y.data(), 8, false, segments));
    EXPECT_EQ(segments.GetSize(), 8);
}

TEST(UniformFit, ClosedConstantIsFlat) {
    std::vector<int16_t> y(12, -1234);
    SSplineSegments segments;
    ASSERT_TRUE(SSplinc::Fit(y.data(), 12, true, segments));
    ASSERT_EQ(segments.GetSize(), 12);
    for (const SSplineSegment& s : segments) {
        EXPECT_EQ(s.c0, -1234);
        EXPECT_EQ(s.c1.Raw(), 0);
        EXPECT_EQ(s.c2.Raw(), 0);
        EXPECT_EQ(s.c3.Raw(), 0);
    }
}

// Every sample comes back at its integer position, open and closed.
TEST(UniformFit, PassesThroughSamples) {
    std::vector<int16_t> y = {0, 500, -300, 12000, -32768, 32767, 7, 7, -9, 100, 4000};
    for (bool closed : {false, true}) {
        SSplineSegments segments;
        ASSERT_TRUE(SSplinc::Fit(y.data(), int(y.size()), closed, segments));
        for (int k = 0; k < int(y.size()); ++k)
            EXPECT_EQ(Evaluate(segments, SFP::FromInt(k)), y[k]) << k << " closed " << closed;
    }
}

TEST(UniformFit, SineHalfwayBetweenSamplesStaysClose) {
    const int n = 400;
    const double period = 40.0, amplitude = 20000.0;
    std::vector<int16_t> y(n);
    for (int k = 0; k < n; ++k)
        y[k] = int16_t(std::lround(amplitude * std::sin(2 * M_PI * k / period)));
    SSplineSegments segments;
    ASSERT_TRUE(SSplinc::Fit(y.data(), n, false, segments));
    double worst = 0;
    // Away from the natural end conditions the cubic tracks the sine closely.
    for (int k = 20; k < n - 20; ++k) {
        double x = k + 0.5;
        double expected = amplitude * std::sin(2 * M_PI * x / period);
        worst = std::max(worst, std::abs(Evaluate(segments, SFP::FromReal(x)) - expected));
    }
    EXPECT_LT(worst, 8.0);
}

SSplineSegments KnotLayout(std::initializer_list<int> lengths) {
    SSplineSegments segments;
    int start = 0;
    for (int length : lengths) {
        SSplineSegment s{};
        s.start = start;
        s.length = uint16_t(length);
        segments.Add(s);
        start += length;
    }
    return segments;
}

TEST(KnotFit, StraightLine) {
    std::vector<int16_t> w = Ramp(30, 7);
    SSplineSegments segments = KnotLayout({10, 10, 10});
    SSplinx::Fit(w.data(), 30, segments);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(segments[i].c0, 70 * i);
        EXPECT_EQ(segments[i].c1.Raw(), 7 * 65536);
        EXPECT_EQ(segments[i].c2.Raw(), 0);
        EXPECT_EQ(segments[i].c3.Raw(), 0);
    }
    EXPECT_EQ(segments[2].c0, 140);
    EXPECT_EQ(segments[2].c1.Raw(), 0);
    EXPECT_EQ(Evaluate(segments, SFP::FromReal(13.5)), 94);
}

TEST(KnotFit, CurveThroughKnots) {
    std::vector<int16_t> w(60);
    for (int k = 0; k < 60; ++k) w[k] = int16_t(std::lround(8000 * std::sin(k / 9.0)));
    SSplineSegments segments = KnotLayout({6, 9, 5, 12, 8, 10, 10});
    SSplinx::Fit(w.data(), 60, segments);
    // The curve reaches each next knot from the segment before it.
    for (int i = 0; i + 2 < segments.GetSize(); ++i) {
        const SSplineSegment& next = segments[i + 1];
        SFP justBefore = SFP::FromRaw((next.start << 16) - 1);
        EXPECT_NEAR(EvaluateSegment(segments[i], justBefore), w[next.start], 2) << i;
    }
}

TEST(KnotFit, DegenerateLayoutsHoldStartValues) {
    std::vector<int16_t> w = Ramp(30, 11);
    struct Case {
        const char* what;
        SSplineSegments layout;
    } cases[] = {
        {"one segment", KnotLayout({30})},
        {"zero-length segment", KnotLayout({10, 0, 20})},
        {"knots past the wave", KnotLayout({20, 20, 20})},
    };
    for (Case& c : cases) {
        SSplinx::Fit(w.data(), 30, c.layout);
        for (const SSplineSegment& s : c.layout) {
            EXPECT_EQ(s.c0, w[std::min(s.start, 29)]) << c.what;
            if (std::string(c.what) != "knots past the wave") {
                EXPECT_EQ(s.c1.Raw(), 0) << c.what;
                EXPECT_EQ(s.c3.Raw(), 0) << c.what;
            }
        }
    }
}

SSplineSegment Segment(int start, int length, int c0, int32_t c1, int32_t c2, int32_t c3) {
    SSplineSegment s{};
    s.start = start;
    s.length = uint16_t(length);
    s.c0 = int16_t(c0);
    s.c1 = SFP::FromRaw(c1);
    s.c2 = SFP::FromRaw(c2);
    s.c3 = SFP::FromRaw(c3);
    return s;
}

TEST(Evaluation, SegmentStartReturnsC0) {
    SSplineSegments segments;
    segments.Add(Segment(0, 4, 10, 65536 * 3, 65536, -2000));
    segments.Add(Segment(4, 6, -300, 123456, -77777, 999));
    segments.Add(Segment(10, 1, 42, 65536, 65536, 65536));
    for (const SSplineSegment& s : segments)
        EXPECT_EQ(Evaluate(segments, SFP::FromInt(s.start)), s.c0);
}

TEST(Evaluation, PastTheEndAndEmpty) {
    SSplineSegments segments;
    EXPECT_EQ(Evaluate(segments, SFP::FromInt(3)), 0);
    segments.Add(Segment(0, 2, 100, 0, 0, 0));
    segments.Add(Segment(2, 2, 200, 65536, 0, 0));
    // Clamped to the last segment: its polynomial continues.
    EXPECT_EQ(Evaluate(segments, SFP::FromInt(6)), 204);
}

TEST(Evaluation, OvershootSaturates) {
    SSplineSegments segments;
    segments.Add(Segment(0, 1, 32000, 2000 * 65536, 0, 0));
    segments.Add(Segment(1, 1, -32000, -2000 * 65536, 0, 0));
    // A rise of more than 32768 within one segment leaves 32-bit 16.16 range.
    segments.Add(Segment(2, 2, -20000, 30000 * 65536, 0, 0));
    EXPECT_EQ(Evaluate(segments, SFP::FromReal(0.75)), 32767);
    EXPECT_EQ(Evaluate(segments, SFP::FromReal(1.75)), -32768);
    EXPECT_EQ(Evaluate(segments, SFP::FromReal(2.25)), -12500);
    EXPECT_EQ(Evaluate(segments, SFP::FromReal(3.5)), 25000);
    EXPECT_EQ(Evaluate(segments, SFP::FromReal(3.9)), 32767);
}

// The forward reader agrees with the random-access search, including
// positions that step backwards and runs across zero-length segments.
TEST(Evaluation, ReaderMatchesSearch) {
    std::vector<int16_t> y(300);
    for (int k = 0; k < 300; ++k) y[k] = int16_t((k * 7919) % 20000 - 10000);
    SSplineSegments segments;
    ASSERT_TRUE(SSplinc::Fit(y.data(), 300, true, segments));
    std::vector<SFP> positions;
    for (int32_t raw = 0; raw < 300 * 65536; raw += 80000) positions.push_back(SFP::FromRaw(raw));
    positions.push_back(SFP::FromInt(5));  // backwards
    positions.push_back(SFP::FromInt(299) + SFP::FromRaw(40000));
    std::vector<int16_t> out(positions.size());
    SSplineReader reader(segments);
    reader.Read(positions.data(), int(positions.size()), out.data());
    for (size_t i = 0; i < positions.size(); ++i)
        EXPECT_EQ(out[i], Evaluate(segments, positions[i])) << i;

    SSplineSegments withGap;
    withGap.Add(Segment(0, 2, 1, 0, 0, 0));
    withGap.Add(Segment(2, 0, 999, 0, 0, 0));
    withGap.Add(Segment(2, 2, 3, 0, 0, 0));
    SSplineReader gapReader(withGap);
    EXPECT_EQ(gapReader.At(SFP::FromInt(1)), 1);
    EXPECT_EQ(gapReader.At(SFP::FromInt(2)), 3);
    EXPECT_EQ(Evaluate(withGap, SFP::FromInt(2)), 3);
    SFP run[] = {SFP::FromInt(1), SFP::FromInt(2), SFP::FromInt(9), SFP::FromRaw(-5)};
    int16_t runOut[4];
    SSplineReader(withGap).Read(run, 4, runOut);
    EXPECT_EQ(runOut[0], 1);
    EXPECT_EQ(runOut[1], 3);
    EXPECT_EQ(runOut[2], 3);
    EXPECT_EQ(runOut[3], 1);
}

}  // namespace
