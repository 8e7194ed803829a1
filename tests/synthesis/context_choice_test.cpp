// Choosing context recordings across a sentence: neighbours run across word
// boundaries and past tags, a pause or the sentence's edge is silence, and
// with the setting off every allophone keeps its own pattern.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "model/allophone_ids.h"
#include "model/context_sounds.h"
#include "synthesis/context_choice.h"
#include "synthesis/render.h"
#include "synthesis/timing.h"
#include "synthesis_fixtures.h"

namespace {

using namespace allophone;

// "a" recorded before "t" (1) and after silence (2), in both voices, as
// constant sound so that its samples are told from the ramp of its pattern.
void AddRecordingsOfA(STestVoices& voices) {
    for (SAlfPattArr* store : {&voices.normal, &voices.halfRate}) {
        const SAlofonPatt& own = *store->PatternAt(kA);
        for (auto [before, after] :
             {std::pair{kContextAny, uint16_t(kT)}, std::pair{kContextSilence, kContextAny}}) {
            std::vector<int16_t> level(static_cast<size_t>(own.SampleLength()), 5000);
            store->contextSounds.Add(kA, before, after, std::move(level));
        }
    }
}

std::vector<int> Chosen(const STestSentence& s) {
    std::vector<int> chosen;
    for (int w = 0; w < s.sentence.words.GetSize(); ++w)
        for (int i = 0; i < s.sentence.words[w]->GetSize(); ++i)
            chosen.push_back((*s.sentence.words[w])[i]->contextSound);
    return chosen;
}

TEST(ContextChoice, NeighboursRunAcrossWordsAndTagsAndStopAtPauses) {
    constexpr int kSpeedTag = static_cast<int>(kCarrierSpeed) - kAlfTagBase;
    STestVoices voices(200, 100);
    AddRecordingsOfA(voices);
    STestSentence s;
    s.Word({kT, kA, kT});          // a between t and t: before t
    s.Word({kAlfPauseInterWord});  // a pause: silence
    s.Word({kA, kK});              // a after the pause, before k
    s.Tag(kSpeedTag, "120");       // a tag between k and a is passed over
    s.Word({kA, kT});              // a after k, before t
    s.Word({kA});                  // a after t at the sentence's end: nothing fits
    ChooseContextSounds(s.sentence, true, voices.Pair());
    EXPECT_EQ(Chosen(s), (std::vector<int>{0, 1, 0, 0, 2, 0, 0, 1, 0, 0}));
    ChooseContextSounds(s.sentence, false, voices.Pair());
    EXPECT_EQ(Chosen(s), std::vector<int>(10, 0));
}

// Before a pause only a sound without pitch takes its recording made before
// silence: a voiced one would carry its source's phrase-final tune.
TEST(ContextChoice, OnlyAVoicelessSoundTakesItsRecordingBeforeAPause) {
    STestVoices voices(200, 100);
    const int voiced[] = {kA, kM, kL, kZ, kJ}, voiceless[] = {kS, kF, kSz, kCz, kT, kCh};
    auto addBeforeSilence = [&](int id) {
        const SAlofonPatt& own = *voices.normal.PatternAt(id);
        std::vector<int16_t> level(static_cast<size_t>(own.SampleLength()), 5000);
        voices.normal.contextSounds.Add(id, kContextAny, kContextSilence, std::move(level));
        return voices.normal.contextSounds.Count();
    };
    struct Case {
        int id;
        bool pitchFree;
    };
    std::vector<Case> cases;
    for (int id : voiced) cases.push_back({id, false});
    for (int id : voiceless) cases.push_back({id, true});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        const int number = addBeforeSilence(c.id);
        STestSentence s;
        s.Word({kO, c.id});  // before a pause
        s.Word({kAlfPauseInterWord});
        s.Word({c.id, kO});  // before a sound: never
        s.Word({kO, c.id});  // at the sentence's end: silence too
        ChooseContextSounds(s.sentence, true, voices.Pair());
        const int expected = c.pitchFree ? number : 0;
        EXPECT_EQ(Chosen(s), (std::vector<int>{0, expected, 0, 0, 0, 0, expected}));
    }
}

TEST(ContextChoice, TheChosenRecordingIsReadWhereThePatternWouldBe) {
    STestVoices voices(200, 100);
    AddRecordingsOfA(voices);
    SAttribute settings;
    settings.intonation = false;  // every sample read at the natural step
    settings.SetPitch(160);
    auto render = [&](bool enabled) {
        settings.contextSounds = enabled;
        STestSentence s;
        s.Word({kT, kA, kT});
        ComputeTiming(s.sentence, settings, voices.Pair());
        const SWord& word = *s.sentence.words[0];
        std::vector<char> bytes(static_cast<size_t>(word.ByteCount()));
        RenderWord(word, bytes.data(), voices.Pair());
        return std::vector<int16_t>(reinterpret_cast<int16_t*>(bytes.data()),
                                    reinterpret_cast<int16_t*>(bytes.data() + bytes.size()));
    };
    const std::vector<int16_t> with = render(true), without = render(false);
    ASSERT_EQ(with.size(), without.size());
    ASSERT_EQ(with.size(), 600u) << "three patterns of 200 samples at the natural pitch";
    // The t's are untouched; the a is the constant recording, not the ramp.
    EXPECT_TRUE(std::equal(with.begin(), with.begin() + 200, without.begin()));
    EXPECT_TRUE(std::equal(with.begin() + 400, with.end(), without.begin() + 400));
    EXPECT_NE(without[300], 5000);
    for (size_t i = 210; i < 390; ++i) ASSERT_NEAR(with[i], 5000, 2) << i;
}

// Read along a gliding tune at a moved voice pitch (positions between
// samples, jumping back by periods), a recording still gives exactly as many
// samples as the pattern it stands in for.
TEST(ContextChoice, ARecordingSpansWhatItsPatternSpansAtAnyStep) {
    STestVoices voices(200, 100);
    AddRecordingsOfA(voices);
    for (int voicePitch : {70, 100, 150}) {
        for (int pitch : {120, 160, 250}) {
            SAttribute settings;
            settings.voicePitch = voicePitch;
            settings.SetPitch(pitch);
            auto counts = [&](bool enabled) {
                settings.contextSounds = enabled;
                STestSentence s;
                s.Word({kT, kA, kT});
                s.Word({kAlfPauseInterWord});
                s.Word({kA, kK, kA});
                ComputeTiming(s.sentence, settings, voices.Pair());
                std::vector<int> n;
                for (int w = 0; w < s.sentence.words.GetSize(); ++w)
                    for (int i = 0; i < s.sentence.words[w]->GetSize(); ++i)
                        n.push_back((*s.sentence.words[w])[i]->SampleCount());
                return std::make_pair(n, Chosen(s));
            };
            const auto [with, chosen] = counts(true);
            const auto [without, none] = counts(false);
            SCOPED_TRACE("voice pitch " + std::to_string(voicePitch) + ", pitch " +
                         std::to_string(pitch));
            EXPECT_EQ(chosen, (std::vector<int>{0, 1, 0, 0, 2, 0, 0})) << "recordings were read";
            EXPECT_EQ(with, without);
        }
    }
}

}  // namespace
