#include <gtest/gtest.h>

#include "core/bookmark.h"
#include "model/wave.h"
#include "synthesis/apply_tag.h"
#include "synthesis/chunk_generator.h"
#include "synthesis/timing.h"
#include "synthesis_fixtures.h"

namespace {

// A sentence, its voices and settings, and the engine's wave and marks.
struct SChunkFixture {
    STestVoices voices{1000, 500};
    STestSentence s;
    SAttribute settings;
    SWave wave;
    SBookmarkBff marks;

    // The written timing rules: no sentence intonation.
    SChunkFixture() {
        s.sentence.allophoneMarks = 0;
        settings.intonation = false;
    }
    SChunkContext Context() { return {&settings, voices.Pair(), nullptr}; }
    int Next(bool countOnly = false) {
        int n = NextChunk(s.sentence, wave, marks, countOnly, Context());
        wave.sent = wave.GetSize();  // as if the destination took it all
        return n;
    }
    std::vector<SBookmark> MarksOf(uint32_t category) const {
        std::vector<SBookmark> found;
        for (const SBookmark& m : marks)
            if (m.category == category) found.push_back(m);
        return found;
    }
};

TEST(NextChunk, RunsOfWholeWordsUpTo64K) {
    SChunkFixture f;
    for (int i = 0; i < 3; ++i) f.s.SizedWord(15000, 10 * i);  // 30000 bytes each
    EXPECT_EQ(f.Next(), 60000);
    ASSERT_EQ(f.MarksOf(kMarkWord).size(), 2u);
    EXPECT_EQ(f.MarksOf(kMarkWord)[1].position, 30000u);
    EXPECT_EQ(f.Next(), 30000);
    EXPECT_EQ(f.MarksOf(kMarkWord)[0].value, 20u);
    EXPECT_EQ(f.Next(), 0);
}

TEST(NextChunk, AWordLongerThan64KIsAChunkOfItsOwn) {
    SChunkFixture f;
    f.s.SizedWord(1000);
    f.s.SizedWord(35000);  // 70000 bytes
    f.s.SizedWord(1000);
    EXPECT_EQ(f.Next(), 2000);
    EXPECT_EQ(f.Next(), 70000);
    EXPECT_EQ(f.Next(), 2000);
    EXPECT_EQ(f.Next(), 0);
}

TEST(NextChunk, UnsentBytesAreReturnedWithoutSynthesising) {
    SChunkFixture f;
    f.s.SizedWord(100);
    f.s.SizedWord(100);
    ASSERT_EQ(NextChunk(f.s.sentence, f.wave, f.marks, false, f.Context()), 400);
    f.wave.sent = 150;
    EXPECT_EQ(NextChunk(f.s.sentence, f.wave, f.marks, false, f.Context()), 250);
    EXPECT_EQ(f.s.sentence.nextWord, 2);
}

TEST(NextChunk, APauseWordEndsTheRun) {
    SChunkFixture f;
    f.s.SizedWord(10);
    f.s.Word({108});
    f.s.SizedWord(10);
    ComputeTiming(f.s.sentence, f.settings, f.voices.Pair());
    for (int i : {0, 2}) f.s.sentence.words[i]->RecordAt(0)->length = 10;
    int pause = f.s.sentence.words[1]->ByteCount();
    ASSERT_GT(pause, 0);
    EXPECT_EQ(f.Next(), 20 + pause);
    EXPECT_EQ(f.Next(), 20);
}

TEST(NextChunk, AnEmptyPauseDoesNotEndTheSentence) {
    SChunkFixture f;
    f.s.Word({110});  // a pause tag of 0 ms
    f.s.SizedWord(10);
    EXPECT_EQ(f.Next(), 20);
    EXPECT_EQ(f.Next(), 0);
}

TEST(NextChunk, SpeedTagBetweenWordsStartsTheNextChunkWithItsMark) {
    SChunkFixture f;
    f.s.Word({1}, 0);
    f.s.Tag(10, "100");
    f.s.Word({1}, 5);
    ComputeTiming(f.s.sentence, f.settings, f.voices.Pair());
    EXPECT_EQ(f.settings.speed, 80);
    EXPECT_EQ(f.Next(), 2000);
    EXPECT_EQ(f.settings.speed, 80) << "the tag is not applied before synthesis reaches it";
    EXPECT_EQ(f.Next(), 1600) << "the word after the tag was timed at the new rate";
    EXPECT_EQ(f.settings.speed, 100);
    EXPECT_EQ(f.settings.pitch, 200);
    ASSERT_GE(f.marks.GetSize(), 2);
    EXPECT_EQ(f.marks[0].category, kMarkSpeed);
    EXPECT_EQ(f.marks[0].value, 100u);
    EXPECT_EQ(f.marks[0].position, 0u);
    EXPECT_EQ(f.marks[1].category, kMarkWord);
    EXPECT_EQ(f.marks[1].value, 5u);
}

TEST(NextChunk, TagMarksOfEveryKind) {
    SChunkFixture f;
    f.s.Tag(4, "200");
    f.s.Tag(11, "99999");  // a volume beyond 16 bits must not spill into the next category
    f.s.Tag(12, "42");
    f.s.Tag(21, "3");  // Drv makes no mark
    f.s.SizedWord(10);
    EXPECT_EQ(f.Next(), 20);
    ASSERT_EQ(f.marks.GetSize(), 4);
    EXPECT_EQ(f.marks[0].id, kMarkPitch + 200);
    EXPECT_EQ(f.marks[1].id, kMarkVolume + 0xFFFFu);
    EXPECT_EQ(f.marks[2].id, 42u);
    EXPECT_EQ(f.marks[3].category, kMarkWord);
    for (const SBookmark& m : f.marks) EXPECT_EQ(m.position, 0u);
}

TEST(NextChunk, CountOnlyMeasuresAndSkipsWithoutTouchingWaveOrMarks) {
    SChunkFixture f;
    f.s.Tag(10, "150");
    f.s.SizedWord(100);
    f.s.SizedWord(100);
    f.marks.Add(MakeBookmark(kMarkWord, 7, 3));
    EXPECT_EQ(NextChunk(f.s.sentence, f.wave, f.marks, true, f.Context()), 400);
    EXPECT_EQ(f.s.sentence.nextWord, 3);
    EXPECT_EQ(f.wave.GetSize(), 0);
    EXPECT_EQ(f.marks.GetSize(), 1);
    EXPECT_EQ(f.settings.speed, 80) << "counting applies no tags";
}

TEST(NextChunk, MarksSitAtExactBytePositions) {
    SChunkFixture f;
    f.s.sentence.allophoneMarks = 1;
    SWord& a = f.s.Word({1, 2}, 0);
    SWord& b = f.s.Word({3}, 4);
    b.continuation = 1;
    f.s.Word({}, 8).hidden = 1;  // a blank: no sound, no word mark
    SWord& c = f.s.Word({4, 5, 6}, 9);
    ComputeTiming(f.s.sentence, f.settings, f.voices.Pair());
    c[1]->positions.SetSize(0);  // an allophone without samples still gets its mark
    ASSERT_EQ(f.Next(), 2 * (2000 + 1000 + 2000));

    std::vector<SBookmark> words = f.MarksOf(kMarkWord);
    ASSERT_EQ(words.size(), 2u) << "continuation and hidden words make no word mark";
    EXPECT_EQ(words[0].value, 0u);
    EXPECT_EQ(words[0].position, 0u);
    EXPECT_EQ(words[1].value, 9u);
    EXPECT_EQ(words[1].position, 6000u);

    std::vector<SBookmark> allophones = f.MarksOf(kMarkAllophone);
    const uint32_t expected[][2] = {{1, 0}, {2, 2000}, {3, 4000}, {4, 6000}, {5, 8000}, {6, 8000}};
    ASSERT_EQ(allophones.size(), 6u);
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(allophones[i].value, expected[i][0]) << i;
        EXPECT_EQ(allophones[i].position, expected[i][1]) << i;
    }
    EXPECT_EQ(a.bookmarks.GetSize(), 2);
    for (int i = 1; i < f.marks.GetSize(); ++i)
        EXPECT_LE(f.marks[i - 1].position, f.marks[i].position);
}

TEST(NextChunk, ContinuationWordsAtTheStartOfARunKeepLaterMarksExact) {
    SChunkFixture f;
    f.s.SizedWord(30000, 0);
    f.s.SizedWord(3000, 1).continuation = 1;  // pushed into the second run
    f.s.SizedWord(100, 2).continuation = 1;
    f.s.SizedWord(100, 3);
    EXPECT_EQ(f.Next(), 60000);
    EXPECT_EQ(f.Next(), 6400);
    std::vector<SBookmark> words = f.MarksOf(kMarkWord);
    ASSERT_EQ(words.size(), 1u);
    EXPECT_EQ(words[0].position, 6200u);
}

TEST(NextChunk, VolumeScalesTheRenderedSamples) {
    SChunkFixture f;
    STestVoices::SetRamp(f.voices.normal, 1, 100, 100);
    f.s.Word({1});
    ComputeTiming(f.s.sentence, f.settings, f.voices.Pair());
    f.settings.volume = 0;
    ASSERT_EQ(f.Next(), 200);
    const int16_t* samples = f.wave.Samples();
    EXPECT_NEAR(samples[50], 5000 * 2072 / 65536, 1);
}

}  // namespace

namespace {

struct SCountingActions : STagActions {
    int waves = 0, dialogs = 0;
    void SendSentenceWave() override { ++waves; }
    void ShowSettings() override { ++dialogs; }
};

TEST(NextChunk, SoundFileAndDialogTagsActOnceWhenSynthesisReachesThem) {
    SChunkFixture f;
    f.s.Tag(23, "\x01");  // a loaded sound file
    f.s.Tag(24, "\x01");  // the settings dialog
    f.s.SizedWord(10);
    // Timing passes over the tags without acting on them.
    ComputeTiming(f.s.sentence, f.settings, f.voices.Pair());
    f.s.sentence.words[2]->RecordAt(0)->length = 10;
    SCountingActions actions;
    SChunkContext context{&f.settings, f.voices.Pair(), &actions};
    EXPECT_EQ(NextChunk(f.s.sentence, f.wave, f.marks, false, context), 20);
    EXPECT_EQ(actions.waves, 1);
    EXPECT_EQ(actions.dialogs, 1);
    f.wave.sent = f.wave.GetSize();
    EXPECT_EQ(NextChunk(f.s.sentence, f.wave, f.marks, false, context), 0);
    EXPECT_EQ(actions.waves, 1);
}

}  // namespace

// With intonation the words change length, but each word mark still sits
// where its word's samples begin.
TEST(NextChunk, IntonationKeepsWordMarksAtWordStarts) {
    SChunkFixture f;
    f.settings.intonation = true;
    f.settings.keepFormants = false;  // the contour read at other steps changes lengths
    f.s.Word({65, 1, 79}, 0, "tan");
    f.s.Word({67, 20, 65, 33}, 4, "kota");
    f.s.Word({109}, 8, "?");
    ComputeTiming(f.s.sentence, f.settings, f.voices.Pair());
    int flatBytes = 2 * 7 * 1000;  // seven 1000-sample allophones at the natural rate
    int bytes[3];
    for (int i = 0; i < 3; ++i) bytes[i] = f.s.sentence.words[i]->ByteCount();
    EXPECT_NE(bytes[0] + bytes[1], flatBytes);
    f.Next();
    auto words = f.MarksOf(kMarkWord);
    ASSERT_EQ(words.size(), 3u);
    EXPECT_EQ(words[0].position, 0u);
    EXPECT_EQ(words[1].position, uint32_t(bytes[0]));
    EXPECT_EQ(words[2].position, uint32_t(bytes[0] + bytes[1]));
}
