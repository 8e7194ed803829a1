// The voice databases committed in data/: they load with the engine's own
// loader, hold every named allophone with a sound, and agree on their ids.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/attribute.h"
#include "engine/tts_engine.h"
#include "model/fixed_point.h"
#include "model/inventory.h"
#include "model/pattern_store.h"
#include "model/spline.h"
#include "soundfile/voice_loader.h"

namespace {

constexpr int kLastRecordedId = 97;

struct ShippedVoice {
    const char* file;
    uint32_t rate;
};

class ShippedVoiceTest : public ::testing::TestWithParam<ShippedVoice> {
protected:
    void SetUp() override { LoadVoice(store_, GetParam().file, VOKRANT_SOURCE_DATA_DIR); }
    SAlfPattArr store_;
};

TEST_P(ShippedVoiceTest, HoldsEveryNamedAllophoneAtItsRate) {
    EXPECT_EQ(store_.VoiceFormat().samplesPerSec, GetParam().rate);
    for (int id = 1; id <= kLastRecordedId; ++id) {
        if (InventoryName(id).empty()) continue;
        const SAlofonPatt* p = store_.PatternAt(id);
        ASSERT_NE(p, nullptr) << "id " << id;
        EXPECT_EQ(p->Name(), InventoryName(id)) << "id " << id;
        EXPECT_EQ(p->features, InventoryFeatures(id)) << "id " << id;
        double ms = 1000.0 * p->SampleLength() / GetParam().rate;
        bool vowel = (InventoryFeatures(id) & AF_VOWEL) != 0;
        EXPECT_GE(ms, vowel ? 50.0 : 40.0) << InventoryName(id);
        EXPECT_LE(ms, vowel ? 200.0 : 160.0) << InventoryName(id);
    }
}

// Reading between samples (any rate other than the natural one) must not
// overshoot into clipping, and no allophone may be silent.
TEST_P(ShippedVoiceTest, RenderedPatternsNeitherClipNorFallSilent) {
    for (int id = 1; id <= kLastRecordedId; ++id) {
        const SAlofonPatt* p = store_.PatternAt(id);
        if (p == nullptr || InventoryName(id).empty()) continue;
        SSplineReader reader(*p);
        int peak = 0;
        for (int32_t raw = 0; raw < p->SampleLength() * SFP::kOne; raw += SFP::kOne / 4)
            peak = std::max(peak, std::abs(int(reader.At(SFP::FromRaw(raw)))));
        EXPECT_LT(peak, 32767) << InventoryName(id) << " clips";
        EXPECT_GT(peak, 1000) << InventoryName(id) << " is nearly silent";
    }
}

INSTANTIATE_TEST_SUITE_P(Data, ShippedVoiceTest,
                         ::testing::Values(ShippedVoice{"pln_22.als", 22050},
                                           ShippedVoice{"pln_11.als", 11025}),
                         [](const auto& info) { return std::to_string(info.param.rate); });

TEST(ShippedVoices, HalfRateVoiceHasTheSameIdsAtHalfTheLength) {
    SAlfPattArr normal, half;
    LoadVoice(normal, "pln_22.als", VOKRANT_SOURCE_DATA_DIR);
    LoadVoice(half, "pln_11.als", VOKRANT_SOURCE_DATA_DIR);
    ASSERT_EQ(normal.GetSize(), half.GetSize());
    for (int id = 0; id < normal.GetSize(); ++id) {
        const SAlofonPatt* n = normal.PatternAt(id);
        const SAlofonPatt* h = half.PatternAt(id);
        ASSERT_EQ(n == nullptr, h == nullptr) << "id " << id;
        if (n == nullptr) continue;
        EXPECT_EQ(n->Name(), h->Name()) << "id " << id;
        EXPECT_EQ(n->features, h->features) << "id " << id;
        if (id <= kLastRecordedId) {
            EXPECT_NEAR(h->SampleLength(), n->SampleLength() / 2.0, 2.0) << "id " << id;
        }
    }
}

TEST(ShippedVoices, EngineLoadsThemFromTheDataDirectory) {
    SAttribute settings;
    settings.workDir = VOKRANT_SOURCE_DATA_DIR;
    STtsEngine engine(nullptr, &settings);
    ASSERT_EQ(engine.Load(0), 0);
    EXPECT_TRUE(engine.IsLoaded());
    EXPECT_EQ(NormalVoice().VoiceFormat().samplesPerSec, 22050u);
    EXPECT_EQ(HalfRateVoice().VoiceFormat().samplesPerSec, 11025u);
    EXPECT_EQ(NormalVoice().FindByName("aan"), 23);
}

TEST(ShippedVoices, VoiceToolChecksThem) {
    const std::filesystem::path tool =
        std::filesystem::path(VOKRANT_BINARY_DIR) / "apps/vokrant-voice/vokrant-voice";
    if (!std::filesystem::exists(tool)) GTEST_SKIP() << "vokrant-voice not built";
    for (const char* file : {"pln_22.als", "pln_11.als"}) {
        std::string command =
            tool.string() + " check " + VOKRANT_SOURCE_DATA_DIR + file + " > /dev/null";
        EXPECT_EQ(std::system(command.c_str()), 0) << file;
    }
}

}  // namespace
