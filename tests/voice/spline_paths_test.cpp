// The shipped voices read through every path: each pattern at the steps that
// timing uses and at odd ones, from several carries, gives the scalar
// reader's samples exactly.
#include <gtest/gtest.h>

#include <vector>

#include "model/pattern_store.h"
#include "model/spline_read.h"
#include "soundfile/voice_loader.h"

namespace {

// Natural rate, the fast voice's 0.9375, slow and fast Pitch settings, and
// steps that share no factor with a sample.
constexpr double kSteps[] = {1.0, 0.9375, 0.5, 0.75, 1.125, 1.25, 1.5, 2.5, 0.333, 1.0001, 1.77};
constexpr int32_t kCarries[] = {0, 1, 20000, 65535};

class ShippedVoicePaths : public ::testing::TestWithParam<const char*> {};

TEST_P(ShippedVoicePaths, EveryPatternReadsAlikeOnEveryPath) {
    SAlfPattArr store;
    LoadVoice(store, GetParam(), VOKRANT_SOURCE_DATA_DIR);
    int read = 0;
    for (int id = 0; id < store.GetSize(); ++id) {
        const SAlofonPatt* pattern = store.PatternAt(id);
        if (pattern == nullptr || pattern->GetSize() == 0) continue;
        ASSERT_TRUE(pattern->readTable.Describes(*pattern)) << "id " << id;
        const int64_t end = int64_t{pattern->end - pattern->first} << 16;
        for (double step : kSteps) {
            for (int32_t carry : kCarries) {
                std::vector<SFP> positions;
                for (int64_t x = carry; x < end; x += SFP::FromReal(step).Raw())
                    positions.push_back(SFP::FromRaw(static_cast<int32_t>(x)));
                const int n = static_cast<int>(positions.size());
                std::vector<int16_t> expected(n);
                SSplineReader(*pattern).Read(positions.data(), n, expected.data());
                for (SSplinePath path :
                     {SSplinePath::kPortable, SSplinePath::kSse2, SSplinePath::kAvx2}) {
                    if (!SplinePathAvailable(path)) continue;
                    std::vector<int16_t> got(n);
                    ReadSpline(path, *pattern, &pattern->readTable, positions.data(), n,
                               got.data());
                    ASSERT_EQ(got, expected) << "id " << id << ", step " << step << ", carry "
                                             << carry << ", path " << SplinePathName(path);
                    read += n;
                }
            }
        }
    }
    EXPECT_GT(read, 100000);
}

INSTANTIATE_TEST_SUITE_P(Voices, ShippedVoicePaths, ::testing::Values("pln_22.als", "pln_11.als"));

}  // namespace
