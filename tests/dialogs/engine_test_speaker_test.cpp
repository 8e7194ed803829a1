// "&Testuj" without a mode object: the engine renders the text whole into a
// collecting destination, and a destination that fills up ends the request.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/attribute.h"
#include "dialogs/collecting_audio_dest.h"
#include "dialogs/engine_test_speaker.h"
#include "dialogs/general_values.h"
#include "engine/tts_engine.h"
#include "model/pattern_store.h"

namespace {

class EngineTestSpeakerTest : public testing::Test {
protected:
    void SetUp() override {
        settings_.workDir = VOKRANT_SOURCE_DATA_DIR;
        settings_.useExtDict = false;
        if (engine_.Load(0) != 0) GTEST_SKIP() << "no voice in " << settings_.workDir;
    }
    SAttribute settings_;
    STtsEngine engine_{nullptr, &settings_};
};

TEST_F(EngineTestSpeakerTest, RendersTheWholeText) {
    SCollectingAudioDest dest;
    EXPECT_TRUE(SEngineTestSpeaker(engine_, dest).Speak("To jest test. Koniec."));
    // Two sentences of speech at 22050 Hz: well over a quarter of a second.
    EXPECT_GT(dest.Bytes().size(), 11025u);
    EXPECT_GT(dest.Marks(), 0u);
    EXPECT_EQ(engine_.GetAudioDest(), nullptr);  // the engine's own destination is back
}

TEST_F(EngineTestSpeakerTest, SlowerRateMakesLongerSound) {
    SCollectingAudioDest normal, slow;
    SEngineTestSpeaker(engine_, normal).Speak("To jest test.");
    settings_.SetSpeed(40);
    SEngineTestSpeaker(engine_, slow).Speak("To jest test.");
    EXPECT_GT(slow.Bytes().size(), normal.Bytes().size() * 3 / 2);
}

TEST_F(EngineTestSpeakerTest, FullDestinationEndsTheRequest) {
    SCollectingAudioDest small(4096);
    EXPECT_FALSE(SEngineTestSpeaker(engine_, small)
                     .Speak("To jest bardzo d\xB3ugi test, kt\xF3ry si\xEA nie zmie\x9C"
                            "ci."));
    EXPECT_LE(small.Bytes().size(), 4096u);
}

// The longest run of silent samples in what was collected.
size_t LongestSilence(const std::vector<unsigned char>& bytes) {
    size_t longest = 0, run = 0;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        run = bytes[i] == 0 && bytes[i + 1] == 0 ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

// A pause set on the page is heard as soon as the page stores it, with the
// normal voice and with the half-rate voice of fast reading.
TEST_F(EngineTestSpeakerTest, APauseSetOnThePageIsHeard) {
    for (int pitch : {160, 320}) {
        SCOPED_TRACE(pitch);
        SGeneralValues values = SGeneralValues::FromSettings(settings_);
        values.TakeSliderPosition(SGeneralValue::Pitch, pitch);
        values.TakeSliderPosition(SGeneralValue::PauseInterSentence, 100);  // 1000 ms
        StoreForTest(values, settings_);
        SCollectingAudioDest dest;
        SEngineTestSpeaker(engine_, dest).Speak("Ala ma kota. Kot ma Al\xEA.");
        const bool fast = pitch > 240;
        const size_t heard =
            static_cast<size_t>(PauseSamples(fast ? 11025 : 22050, 1000) / (pitch / 160.0));
        EXPECT_GE(LongestSilence(dest.Bytes()), heard);
        EXPECT_LT(LongestSilence(dest.Bytes()), heard * 3 / 2);
    }
}

TEST(EngineTestSpeaker, UnloadedEngineSpeaksNothing) {
    SAttribute settings;
    STtsEngine engine(nullptr, &settings);
    SCollectingAudioDest dest;
    EXPECT_FALSE(SEngineTestSpeaker(engine, dest).Speak("x"));
    EXPECT_TRUE(dest.Bytes().empty());
}

}  // namespace
