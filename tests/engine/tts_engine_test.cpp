// The speak pipeline against a scripted text (sentences of given chunk sizes)
// and a destination with limited room.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/attribute.h"
#include "core/simulated_audio_dest.h"
#include "engine/tts_engine.h"
#include "model/sentence.h"
#include "platform/log.h"

namespace {

// Sentences are scripted as lists of chunk sizes; the pipeline never looks
// inside a sentence, so suitably aligned blank storage stands for each one.
struct ScriptedSentence {
    std::vector<int> chunks;
    size_t next = 0;
};

class ScriptedEngine : public STtsEngine {
public:
    ScriptedEngine(SAudioDest* dest, SAttribute* settings) : STtsEngine(dest, settings) {}

    std::vector<ScriptedSentence> script;

protected:
    void BeginText() override { current_ = -1; }
    SSentence* CurrentSentence() override {
        return current_ >= 0 && current_ < static_cast<int>(script.size()) ? Token(current_)
                                                                           : nullptr;
    }
    SSentence* NextSentence() override {
        if (current_ < static_cast<int>(script.size())) ++current_;
        return CurrentSentence();
    }
    int NextChunk(SSentence& token, bool countOnly) override {
        SWave& wave = GetWave();
        if (!countOnly && wave.Unsent() > 0) return wave.Unsent();
        ScriptedSentence& s = script[IndexOf(&token)];
        if (s.next >= s.chunks.size()) return 0;
        int size = s.chunks[s.next++];
        wave.Clear();
        wave.Allocate(size);
        GetBookmarks().SetSize(0);
        GetBookmarks().Add(MakeBookmark(kMarkWord, static_cast<uint32_t>(s.next), 0));
        return size;
    }

private:
    static constexpr int kMaxSentences = 8;
    SSentence* Token(int index) { return reinterpret_cast<SSentence*>(storage_[index]); }
    size_t IndexOf(const SSentence* token) const {
        return static_cast<size_t>(reinterpret_cast<const unsigned char*>(token) - storage_[0]) /
               sizeof(SSentence);
    }
    alignas(SSentence) unsigned char storage_[kMaxSentences][sizeof(SSentence)] = {};
    int current_ = -1;
};

class SpeakStepTest : public testing::Test {
protected:
    SAttribute settings;
    SSimulatedAudioDest dest{1 << 20};
    ScriptedEngine engine{&dest, &settings};
};

TEST_F(SpeakStepTest, EmptyTextHasNoSentence) {
    engine.StartRequest(std::string_view(""));
    EXPECT_EQ(engine.SpeakStep(), STtsEngine::kNoSentence);
}

TEST_F(SpeakStepTest, SilentSentencesGiveMinusOneThenZero) {
    engine.script = {{{}}, {{}}};
    engine.StartRequest(std::string_view("x"));
    EXPECT_EQ(engine.SpeakStep(), STtsEngine::kExhaustedSilent);
    EXPECT_EQ(engine.SpeakStep(), STtsEngine::kNoSentence);
    EXPECT_EQ(engine.SpeakStep(), STtsEngine::kNoSentence);
}

TEST_F(SpeakStepTest, TextThatFitsReturnsItsByteCount) {
    engine.script = {{{300, 200}}, {{}}, {{500}}};
    engine.StartRequest(std::string_view("x"));
    EXPECT_EQ(engine.SpeakStep(), 1000);
    EXPECT_EQ(dest.ReceivedBytes(), 1000u);
    EXPECT_EQ(dest.Marks().size(), 3u);
    EXPECT_EQ(engine.SpeakStep(), STtsEngine::kNoSentence);
}

TEST_F(SpeakStepTest, FullDestinationReturnsMinusTwoAndResumesWithTheHeldChunk) {
    engine.script = {{{300, 200}}};
    dest.SetFreeSpace(250);
    engine.StartRequest(std::string_view("x"));
    EXPECT_EQ(engine.SpeakStep(), STtsEngine::kDestinationFull);
    EXPECT_EQ(dest.ReceivedBytes(), 250u);
    dest.SetFreeSpace(100);
    EXPECT_EQ(engine.SpeakStep(), STtsEngine::kDestinationFull);  // 50 held + 50 of the next
    EXPECT_EQ(dest.ReceivedBytes(), 350u);
    dest.SetFreeSpace(1000);
    // The held rest (150 bytes) counts toward this call's total.
    EXPECT_EQ(engine.SpeakStep(), 150);
    EXPECT_EQ(dest.ReceivedBytes(), 500u);
    EXPECT_EQ(dest.Marks().size(), 2u);
    EXPECT_EQ(engine.SpeakStep(), STtsEngine::kNoSentence);
}

TEST_F(SpeakStepTest, NoDestinationReportsFullInsteadOfLosingSound) {
    engine.script = {{{100}}};
    engine.SetAudioDest(nullptr);
    engine.StartRequest(std::string_view("x"));
    EXPECT_EQ(engine.SpeakStep(), STtsEngine::kDestinationFull);
    engine.SetAudioDest(&dest);
    EXPECT_EQ(engine.SpeakStep(), 100);
}

TEST_F(SpeakStepTest, NewRequestAbandonsTheHeldChunk) {
    engine.script = {{{300}}};
    dest.SetFreeSpace(100);
    engine.StartRequest(std::string_view("x"));
    EXPECT_EQ(engine.SpeakStep(), STtsEngine::kDestinationFull);
    engine.script = {{{40}}};
    engine.StartRequest(std::string_view("y"));
    EXPECT_EQ(engine.GetWave().GetSize(), 0);
    EXPECT_EQ(engine.GetBookmarks().GetCapacity(), 0);
    dest.SetFreeSpace(1000);
    EXPECT_EQ(engine.SpeakStep(), 40);
}

TEST(EngineLoad, ModeIndexOneIsRefusedAndLogged) {
    SAttribute settings;
    STtsEngine engine(nullptr, &settings);
    std::string log;
    SLogWriter previous = SetLogWriter([&](const std::string& line) { log += line; });
    EXPECT_EQ(engine.Load(1), -1);
    SetLogWriter(previous);
    EXPECT_FALSE(engine.IsLoaded());
    EXPECT_EQ(log,
              "wyj\xB9tek: b\xB3\xEA"
              "dny argument \xB3"
              "adowania alofon\xF3w\n");
}

TEST(EngineLoad, MissingVoiceIsLoggedNotThrown) {
    SAttribute settings;
    settings.workDir = "/nonexistent-vokrant-dir/";
    STtsEngine engine(nullptr, &settings);
    std::string log;
    SLogWriter previous = SetLogWriter([&](const std::string& line) { log += line; });
    EXPECT_EQ(engine.Load(0), -1);
    SetLogWriter(previous);
    EXPECT_FALSE(engine.IsLoaded());
    EXPECT_NE(log.find("pln_22.als"), std::string::npos) << log;
}

TEST(EngineLoad, UnloadDropsTheDestination) {
    SAttribute settings;
    SSimulatedAudioDest dest;
    STtsEngine engine(&dest, &settings);
    EXPECT_EQ(engine.Unload(), 0);
    EXPECT_EQ(engine.GetAudioDest(), nullptr);
    EXPECT_EQ(engine.QueryReserved(), 0);
}

}  // namespace
