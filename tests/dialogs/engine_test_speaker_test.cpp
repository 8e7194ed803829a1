// "&Testuj" without a mode object: the engine renders the text whole into a
// collecting destination, and a destination that fills up ends the request.
#include <gtest/gtest.h>

#include "dialogs/collecting_audio_dest.h"
#include "dialogs/engine_test_speaker.h"
#include "core/attribute.h"
#include "engine/tts_engine.h"

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
    EXPECT_FALSE(SEngineTestSpeaker(engine_, small).Speak("To jest bardzo d\xB3ugi test, kt\xF3ry si\xEA nie zmie\x9C" "ci."));
    EXPECT_LE(small.Bytes().size(), 4096u);
}

TEST(EngineTestSpeaker, UnloadedEngineSpeaksNothing) {
    SAttribute settings;
    STtsEngine engine(nullptr, &settings);
    SCollectingAudioDest dest;
    EXPECT_FALSE(SEngineTestSpeaker(engine, dest).Speak("x"));
    EXPECT_TRUE(dest.Bytes().empty());
}

}  // namespace
