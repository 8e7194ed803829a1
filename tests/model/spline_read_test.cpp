// Every reading path gives exactly the scalar reader's samples: curves whose
// arithmetic stays in 32 bits, curves at and past that bound, malformed
// segment lists, tables gone stale, and position runs of every shape.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "model/spline.h"
#include "model/spline_read.h"
#include "model/spline_table.h"

namespace {

constexpr SSplinePath kPaths[] = {SSplinePath::kScalar, SSplinePath::kPortable, SSplinePath::kSse2,
                                  SSplinePath::kAvx2};

SSplineSegment Segment(int32_t start, uint16_t length, int16_t c0, int32_t c1, int32_t c2,
                       int32_t c3) {
    return {start, length, c0, SFP::FromRaw(c1), SFP::FromRaw(c2), SFP::FromRaw(c3)};
}

SSplineSegments Curve(const std::vector<SSplineSegment>& list) {
    SSplineSegments segments;
    for (const SSplineSegment& s : list) segments.Add(s);
    return segments;
}

std::vector<SFP> Stepped(int32_t first, int32_t step, int count) {
    std::vector<SFP> positions;
    for (int k = 0; k < count; ++k)
        positions.push_back(SFP::FromRaw(static_cast<int32_t>(first + int64_t{k} * step)));
    return positions;
}

// Compares every available path with the scalar reader, sample by sample.
void ExpectAllPathsAgree(const SSplineSegments& segments, const SSplineTable& table,
                         const std::vector<SFP>& positions, const std::string& what) {
    const int n = static_cast<int>(positions.size());
    std::vector<int16_t> expected(n);
    SSplineReader(segments).Read(positions.data(), n, expected.data());
    for (SSplinePath path : kPaths) {
        if (!SplinePathAvailable(path)) continue;
        std::vector<int16_t> got(n, 0x5555);
        ReadSpline(path, segments, &table, positions.data(), n, got.data());
        for (int i = 0; i < n; ++i)
            ASSERT_EQ(got[i], expected[i])
                << what << ", path " << SplinePathName(path) << ", position " << positions[i].Raw()
                << " (index " << i << ")";
    }
}

// Random curves: lengths of one to a few samples (and some very long),
// coefficients of every magnitude, so that records on both sides of the
// 32-bit bound occur side by side.
SSplineSegments RandomCurve(std::mt19937& random, int count) {
    std::uniform_int_distribution<int> bits(0, 31), sign(0, 1), shortLength(1, 6), pick(0, 40);
    auto coefficient = [&] {
        int32_t magnitude = static_cast<int32_t>(random() >> (32 - bits(random) - 1) >> 1);
        return sign(random) ? -magnitude : magnitude;
    };
    SSplineSegments segments;
    int32_t start = 0;
    for (int k = 0; k < count; ++k) {
        int length = pick(random) == 0 ? 700 : pick(random) == 1 ? 0 : shortLength(random);
        segments.Add(Segment(start, static_cast<uint16_t>(length), static_cast<int16_t>(random()),
                             coefficient(), coefficient(), coefficient()));
        start += length;
    }
    return segments;
}

TEST(SplineRead, RandomCurvesAtManyStepsAgreeOnEveryPath) {
    std::mt19937 random(16);
    for (int round = 0; round < 20; ++round) {
        SSplineSegments segments = RandomCurve(random, 200);
        SSplineTable table(segments);
        ASSERT_TRUE(table.Describes(segments));
        const int32_t end = table.Samples() * SFP::kOne;
        for (int32_t step : {SFP::kOne, 4099, 32768, 61440, 65537, 73728, 98304, 196608, 1 << 20}) {
            for (int32_t carry : {0, 1, 8192, 65535}) {
                std::vector<SFP> positions;
                for (int64_t x = carry; x < end; x += step)
                    positions.push_back(SFP::FromRaw(static_cast<int32_t>(x)));
                ExpectAllPathsAgree(
                    segments, table, positions,
                    "round " + std::to_string(round) + " step " + std::to_string(step));
            }
        }
    }
}

TEST(SplineRead, PositionsOfEveryShapeAgreeOnEveryPath) {
    std::mt19937 random(7);
    SSplineSegments segments = RandomCurve(random, 300);
    SSplineTable table(segments);
    const int32_t end = table.Samples() * SFP::kOne;
    std::vector<SFP> shuffled = Stepped(0, 40000, end / 40000);
    std::shuffle(shuffled.begin(), shuffled.end(), random);
    std::vector<SFP> mixed = Stepped(end - 20 * SFP::kOne, SFP::kOne, 40);  // runs across the end
    for (SFP x : Stepped(-5 * SFP::kOne, SFP::kOne, 12))
        mixed.push_back(x);  // from before the start
    mixed.push_back(SFP::FromRaw(INT32_MAX));
    mixed.push_back(SFP::FromRaw(INT32_MIN));
    struct Case {
        const char* what;
        std::vector<SFP> positions;
    } cases[] = {
        {"whole steps from 0", Stepped(0, SFP::kOne, end / SFP::kOne)},
        {"whole steps from 3", Stepped(3 * SFP::kOne, SFP::kOne, end / SFP::kOne - 3)},
        {"descending", Stepped(end - 1, -70000, end / 70000)},
        {"standing still", Stepped(5 * SFP::kOne + 77, 0, 37)},
        {"shuffled", shuffled},
        {"across both ends", mixed},
        {"one position", Stepped(SFP::kOne / 2, 0, 1)},
        {"none", {}},
    };
    for (const Case& c : cases) ExpectAllPathsAgree(segments, table, c.positions, c.what);
}

TEST(SplineRead, CoefficientsAtTheInt32BoundAgree) {
    // Each curve sits exactly at, or one past, the bound of its records.
    const int32_t max = INT32_MAX;
    struct Case {
        const char* what;
        std::vector<SSplineSegment> segments;
        bool firstFits;
    } cases[] = {
        {"c3 at the bound", {Segment(0, 1, 100, 0, 0, max), Segment(1, 8, 0, 0, 0, 0)}, true},
        {"c3 + c2 past it", {Segment(0, 1, 100, 0, 1, max), Segment(1, 8, 0, 0, 0, 0)}, false},
        {"negative extremes", {Segment(0, 1, -100, -max, 0, 0), Segment(1, 8, 0, 0, 0, 0)}, true},
        {"most negative c1",
         {Segment(0, 1, -100, INT32_MIN, 0, 0), Segment(1, 8, 0, 0, 0, 0)},
         false},
        {"long segment",
         {Segment(0, 40, 7, 1 << 24, -(1 << 18), 1 << 10), Segment(40, 8, 0, 0, 0, 0)},
         true},
        {"over 32767 samples", {Segment(0, 40000, 7, 3, 0, 0)}, true},
    };
    for (const Case& c : cases) {
        SSplineSegments segments = Curve(c.segments);
        EXPECT_EQ(FitsInt32Lanes(segments[0], 0), c.firstFits) << c.what;
        SSplineTable table(segments);
        ExpectAllPathsAgree(segments, table, Stepped(0, 4099, table.Samples() * 16), c.what);
    }
    // An offset past what a record can hold always goes to the scalar code.
    EXPECT_FALSE(FitsInt32Lanes(Segment(0, 40000, 0, 0, 0, 0), SSplineTable::kMaxSamples - 1));
    EXPECT_TRUE(FitsInt32Lanes(Segment(0, 40000, 0, 0, 0, 0), SSplineTable::kMaxSamples - 2));
}

TEST(SplineRead, SegmentsThatDoNotJoinGetNoTable) {
    struct Case {
        const char* what;
        std::vector<SSplineSegment> segments;
    } cases[] = {
        {"gap", {Segment(0, 4, 1, 100, 0, 0), Segment(6, 4, 2, 0, 0, 0)}},
        {"overlap", {Segment(0, 4, 1, 100, 0, 0), Segment(2, 4, 2, 0, 0, 0)}},
        {"not from 0", {Segment(3, 4, 1, 100, 0, 0), Segment(7, 4, 2, 0, 0, 0)}},
        {"empty", {}},
    };
    for (const Case& c : cases) {
        SSplineSegments segments = Curve(c.segments);
        SSplineTable table(segments);
        EXPECT_FALSE(table.Describes(segments)) << c.what;
        ExpectAllPathsAgree(segments, table, Stepped(-SFP::kOne, 20000, 40), c.what);
    }
}

TEST(SplineRead, ATableOfOtherSegmentsIsNotUsed) {
    SSplineSegments before = Curve({Segment(0, 4, 1, 1 << 16, 0, 0), Segment(4, 4, 5, 0, 0, 0)});
    SSplineTable table(before);
    SSplineSegments changed = before;  // other storage, same count
    changed[0].c0 = 1000;
    EXPECT_FALSE(table.Describes(changed));
    std::vector<SFP> positions = Stepped(0, SFP::kOne, 8);
    std::vector<int16_t> got(8);
    for (SSplinePath path : kPaths) {
        ReadSpline(path, changed, &table, positions.data(), 8, got.data());
        EXPECT_EQ(got[0], 1000) << SplinePathName(path);
        EXPECT_EQ(got[3], 1003) << SplinePathName(path);
    }
}

TEST(SplineRead, DecodedSamplesAreTheCurveAtWholePositions) {
    std::mt19937 random(3);
    SSplineSegments segments = RandomCurve(random, 100);
    SSplineTable table(segments);
    for (int n = 0; n < table.Samples(); ++n)
        ASSERT_EQ(table.Decoded()[n], Evaluate(segments, SFP::FromInt(n))) << n;
}

}  // namespace
