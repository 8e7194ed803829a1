// The mode object speaking real texts with the shipped voice, through the
// exports only: queued texts one after another, reset in mid-text, and the
// notifications that must coincide with playback (attribute changes from
// tags, bookmarks, word positions).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "mode_object_fixture.h"
#include "sentence_tune.h"

namespace {

class ModeSpeakingTest : public ModeObjectTest {
protected:
    // Largest sample magnitude written so far: real speech is far from silent.
    int Loudest() const {
        const auto& bytes = dest->Written();
        int loudest = 0;
        for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
            int16_t sample = 0;
            std::memcpy(&sample, &bytes[i], 2);
            loudest = std::max(loudest, std::abs(int{sample}));
        }
        return loudest;
    }
    // The time stamp of the word position reported for the word that
    // directly follows a tag in a Unicode request, or -1 when none was.
    static int64_t WordTimeAfterTag(const RecordingBufSink& sink, const std::u16string& text,
                                    const std::u16string& word) {
        std::size_t at = text.find(u"\\ " + word);
        return at == std::u16string::npos ? -1 : WordTimeAt(sink, at + 2);
    }
    // The time stamp of the word position reported for the word at `offset`
    // characters into a Unicode request, or -1 when none was.
    static int64_t WordTimeAt(const RecordingBufSink& sink, std::size_t offset) {
        for (std::size_t i = 0; i < sink.wordOffsets.size(); ++i)
            if (sink.wordOffsets[i] == offset * 2) return static_cast<int64_t>(sink.wordTimes[i]);
        return -1;
    }
};

TEST_F(ModeSpeakingTest, QueuedTextsSpeakOneAfterAnotherAndEachSinkIsReleased) {
    RecordingBufSink first, second;
    QWORD playedAtFirstDone = 0, totalAtFirstDone = 0;
    std::vector<std::string> secondAtFirstDone{"not called"};
    first.onDone = [&] {
        playedAtFirstDone = dest->Played();
        totalAtFirstDone = dest->Total();
        secondAtFirstDone = second.events;
    };
    ASSERT_EQ(Speak(u"Ala ma kota, a kot ma Al\u0119.", &first), S_OK);
    ASSERT_EQ(Speak(u"Drugi tekst.", &second), S_OK);
    EXPECT_EQ(first.refs, 1u);
    EXPECT_EQ(second.refs, 1u);
    PlayUntilDone(first, 1000);
    ASSERT_EQ(first.events.back(), "done 0");
    EXPECT_GT(totalAtFirstDone, 20000u) << "a sentence of real speech";
    EXPECT_EQ(playedAtFirstDone, totalAtFirstDone)
        << "done only once every byte of the first text has played";
    EXPECT_TRUE(secondAtFirstDone.empty()) << "the second text starts only after the first is done";
    EXPECT_EQ(first.refs, 0u);
    ASSERT_FALSE(first.wordTimes.empty());
    EXPECT_LE(first.wordTimes.back(), playedAtFirstDone);

    PlayUntilDone(second, 1000);
    EXPECT_EQ(second.events, (std::vector<std::string>{"started", "done 0"}));
    EXPECT_EQ(second.refs, 0u);
    ASSERT_FALSE(second.wordOffsets.empty());
    EXPECT_EQ(second.wordOffsets.front(), 0u) << "offsets count from the start of each text";
    EXPECT_GE(second.wordTimes.front(), totalAtFirstDone)
        << "the second text's sound follows the first's";
    EXPECT_EQ(dest->Played(), dest->Total());
    EXPECT_GT(Loudest(), 1000) << "the shipped voice speaks";
    dest->PlayAll();
    EXPECT_FALSE(dest->IsClaimed());
}

TEST_F(ModeSpeakingTest, ResetInMidTextAbortsEveryTextInOrderAndFreesTheDevice) {
    RecordingBufSink sinks[3];
    std::vector<int> doneOrder;
    for (int i = 0; i < 3; ++i) {
        sinks[i].onDone = [&doneOrder, i] { doneOrder.push_back(i); };
        ASSERT_EQ(Speak(u"Pierwsze zdanie jest do\u015B\u0107 d\u0142ugie, \u017Ceby je "
                        u"przerwa\u0107 w po\u0142owie.",
                        &sinks[i]),
                  S_OK);
    }
    for (int i = 0; i < 100 && sinks[0].wordOffsets.size() < 2; ++i) dest->Advance(512);
    ASSERT_GE(sinks[0].wordOffsets.size(), 2u) << "the first text is being played";
    ASSERT_FALSE(sinks[0].Done());
    ASSERT_LT(dest->Played(), dest->Total()) << "part of it is still waiting in the destination";

    ASSERT_EQ(central->AudioReset(), S_OK);
    EXPECT_EQ(doneOrder, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(sinks[0].events, (std::vector<std::string>{"started", "done 1"}));
    for (int i = 1; i < 3; ++i) EXPECT_EQ(sinks[i].events, std::vector<std::string>{"done 1"}) << i;
    for (auto& s : sinks) EXPECT_EQ(s.refs, 0u);
    // The host's destination lets go of the device on its next turn, the
    // unplayed rest having been flushed.
    const int stops = notify.stops;
    dest->Pump();
    EXPECT_FALSE(dest->IsClaimed()) << "the device is released";
    EXPECT_EQ(notify.stops, stops + 1);

    // Nothing more is produced or reported.
    const QWORD total = dest->Total();
    const std::size_t words = sinks[0].wordOffsets.size();
    for (int i = 0; i < 20; ++i) dest->Advance(4096);
    dest->PlayAll();
    EXPECT_EQ(dest->Total(), total);
    EXPECT_EQ(sinks[0].wordOffsets.size(), words);
    EXPECT_EQ(sinks[0].events.size(), 2u);

    // The mode object speaks normally again afterwards.
    RecordingBufSink again;
    ASSERT_EQ(Speak(u"Jeszcze raz.", &again), S_OK);
    PlayUntilDone(again);
    EXPECT_EQ(again.events, (std::vector<std::string>{"started", "done 0"}));
    EXPECT_GT(dest->Total(), total);
}

struct AttributeTagCase {
    const char* name;
    std::u16string text;
    std::vector<DWORD> announced;            // in order
    std::vector<std::u16string> followedBy;  // the word after each tag
    std::u16string untagged;                 // sounds the same up to the first tag
};

TEST_F(ModeSpeakingTest, AttributeTagsAreAnnouncedWhenTheirPlaceIsPlayed) {
    const AttributeTagCase cases[] = {
        {"speed", u"Ala \\Spd=150\\ ma kota.", {TTSNSAC_SPEED}, {u"ma"}, u"Ala ma kota."},
        {"pitch", u"Ala ma \\Pit=200\\ kota.", {TTSNSAC_PITCH}, {u"kota"}, u"Ala ma kota."},
        {"in order",
         u"Ala \\Spd=150\\ ma \\Pit=240\\ kota \\Vol=30000\\ i psa.",
         {TTSNSAC_SPEED, TTSNSAC_PITCH, TTSNSAC_VOLUME},
         {u"ma", u"kota", u"i"},
         u"Ala ma kota i psa."},
    };
    for (const AttributeTagCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<QWORD> stamps, playedThen;
        notify.attributes.clear();
        notify.onAttribChanged = [&](DWORD) {
            QWORD stamp = 0;
            central->PosnGet(&stamp);
            stamps.push_back(stamp);
            playedThen.push_back(dest->Played());
        };
        RecordingBufSink untagged;
        ASSERT_EQ(Speak(c.untagged, &untagged), S_OK);
        PlayUntilDone(untagged);
        const QWORD untaggedStart = untagged.wordTimes.front();
        const QWORD start = dest->Total();
        RecordingBufSink sink;
        ASSERT_EQ(SpeakTagged(c.text, &sink), S_OK);
        EXPECT_TRUE(notify.attributes.empty()) << "nothing is announced before it is played";
        PlayUntilDone(sink, 700);
        notify.onAttribChanged = nullptr;
        ASSERT_EQ(sink.events.back(), "done 0");
        ASSERT_EQ(notify.attributes, c.announced);
        for (std::size_t i = 0; i < c.followedBy.size(); ++i) {
            const int64_t word = WordTimeAfterTag(sink, c.text, c.followedBy[i]);
            ASSERT_GE(word, 0) << "no word position for the word after tag " << i;
            EXPECT_GT(stamps[i], 0u) << "announced after the first word, not at the start";
            EXPECT_EQ(static_cast<int64_t>(stamps[i]), word)
                << "announced where the following word starts";
            EXPECT_GE(playedThen[i], stamps[i]) << "not before that byte has been played";
        }
        const int64_t firstUntagged =
            WordTimeAt(untagged, c.untagged.find(u" " + c.followedBy[0]) + 1);
        EXPECT_EQ(static_cast<int64_t>(stamps[0] - start),
                  firstUntagged - static_cast<int64_t>(untaggedStart))
            << "the first change lands where its word starts without tags";
    }
}

struct BookmarkCase {
    std::u16string text;
    std::vector<DWORD> marks;
    std::u16string followedBy;
};

// A bookmark changes nothing in the sound: the same text without it.
const std::u16string kUnmarked = u"Ala ma kota.";

TEST_F(ModeSpeakingTest, BookmarksInTextArriveWithTheFollowingWordAndKeepTheirNumber) {
    const BookmarkCase cases[] = {
        {u"Ala \\Mrk=1\\ ma kota.", {1}, u"ma"},
        {u"Ala ma \\Mrk=32767\\ kota.", {32767}, u"kota"},
        {u"Ala \\Mrk=32768\\ ma kota.", {32768}, u"ma"},
        {u"Ala \\Mrk=1000000\\ ma kota.", {1000000}, u"ma"},
        {u"Ala \\Mrk=7\\\\Mrk=8\\ ma kota.", {7, 8}, u"ma"},
    };
    RecordingBufSink unmarked;
    ASSERT_EQ(Speak(kUnmarked, &unmarked), S_OK);
    PlayUntilDone(unmarked);
    const std::vector<std::uint8_t> unmarkedSound = dest->Written();
    for (const BookmarkCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.marks.front()));
        RecordingBufSink sink;
        const std::size_t start = dest->Written().size();
        ASSERT_EQ(SpeakTagged(c.text, &sink), S_OK);
        PlayUntilDone(sink, 700);
        const std::vector<std::uint8_t> sound(
            dest->Written().begin() + static_cast<std::ptrdiff_t>(start), dest->Written().end());
        EXPECT_TRUE(sound == unmarkedSound) << "the bookmark changed the sound";
        const int64_t unmarkedWord = WordTimeAt(unmarked, kUnmarked.find(u" " + c.followedBy) + 1);
        ASSERT_GE(unmarkedWord, 0);
        std::vector<std::string> expected{"started"};
        for (DWORD m : c.marks) expected.push_back("mark " + std::to_string(m));
        expected.push_back("done 0");
        ASSERT_EQ(sink.events, expected);
        const int64_t word = WordTimeAfterTag(sink, c.text, c.followedBy);
        ASSERT_GE(word, 0);
        for (QWORD stamp : sink.markTimes) {
            EXPECT_GT(stamp, 0u);
            EXPECT_EQ(static_cast<int64_t>(stamp), word)
                << "delivered where the following word starts";
            EXPECT_EQ(static_cast<int64_t>(stamp - start), unmarkedWord)
                << "that word starts where it would unmarked";
        }
    }
}

TEST_F(ModeSpeakingTest, AnInjectedMarkIsRefusedWithoutDisturbingTheText) {
    const std::u16string text = u"Ala ma kota, a kot ma Al\u0119.";
    RecordingBufSink undisturbed;
    ASSERT_EQ(Speak(text, &undisturbed), S_OK);
    PlayUntilDone(undisturbed);
    RecordingBufSink sink;
    ASSERT_EQ(Speak(text, &sink), S_OK);
    for (int i = 0; i < 100 && sink.wordOffsets.empty(); ++i) dest->Advance(512);
    ASSERT_FALSE(sink.wordOffsets.empty()) << "speaking";
    EXPECT_EQ(central->Inject(u"\\Mrk=5\\"), E_INVALIDARG);
    EXPECT_EQ(central->Inject(u"\\Mrk=1000000\\"), E_INVALIDARG);
    PlayUntilDone(sink);
    EXPECT_EQ(sink.events, (std::vector<std::string>{"started", "done 0"}));
    EXPECT_EQ(sink.wordOffsets, undisturbed.wordOffsets) << "every word is still reported";
}

TEST_F(ModeSpeakingTest, WordPositionsOfRealSpeechFollowTheFormOfTheRequest) {
    for (bool ansi : {false, true}) {
        SCOPED_TRACE(ansi ? "ANSI" : "Unicode");
        RecordingBufSink sink;
        if (ansi) {
            void* p = nullptr;
            ASSERT_EQ(central->QueryInterface(IID_ITTSCentralA, &p), S_OK);
            auto* centralA = static_cast<ITTSCentralA*>(p);
            char text[] =
                "\xA3\xF3"
                "d\x9F ma kota";  // "Łódź ma kota" in the ANSI code page
            ASSERT_EQ(centralA->TextData(CHARSET_TEXT, 0, SDATA{text, sizeof text}, &sink,
                                         IID_ITTSBufNotifySink),
                      S_OK);
            centralA->Release();
        } else {
            ASSERT_EQ(Speak(u"\u0141\u00F3d\u017A ma kota", &sink), S_OK);
        }
        PlayUntilDone(sink, 1000);
        ASSERT_EQ(sink.events.back(), "done 0");
        const std::vector<DWORD> expected =
            ansi ? std::vector<DWORD>{0, 5, 8} : std::vector<DWORD>{0, 10, 16};
        EXPECT_EQ(sink.wordOffsets, expected);
        EXPECT_TRUE(std::is_sorted(sink.wordTimes.begin(), sink.wordTimes.end()));
        EXPECT_LT(sink.wordTimes.front(), sink.wordTimes.back())
            << "each word at its own place in the sound";
    }
}

TEST_F(ModeSpeakingTest, PauseInMidTextHoldsPlaybackAndResumeFinishesTheText) {
    const std::u16string text = u"Ala ma kota, a kot ma Al\u0119.";
    RecordingBufSink undisturbed;
    ASSERT_EQ(Speak(text, &undisturbed), S_OK);
    PlayUntilDone(undisturbed);
    const QWORD oneText = dest->Total();

    RecordingBufSink sink;
    ASSERT_EQ(Speak(text, &sink), S_OK);
    for (int i = 0; i < 100 && sink.wordOffsets.size() < 2; ++i) dest->Advance(512);
    ASSERT_GE(sink.wordOffsets.size(), 2u);
    ASSERT_EQ(central->AudioPause(), S_OK);
    const QWORD played = dest->Played();
    const std::size_t words = sink.wordOffsets.size();
    for (int i = 0; i < 20; ++i) dest->Advance(4096);
    EXPECT_EQ(dest->Played(), played) << "nothing plays while paused";
    EXPECT_EQ(sink.wordOffsets.size(), words);
    EXPECT_FALSE(sink.Done());

    ASSERT_EQ(central->AudioResume(), S_OK);
    PlayUntilDone(sink);
    EXPECT_EQ(sink.events, (std::vector<std::string>{"started", "done 0"}));
    EXPECT_EQ(sink.wordOffsets, undisturbed.wordOffsets) << "no word lost or repeated";
    EXPECT_EQ(dest->Total(), 2 * oneText) << "the same sound, once";
}

TEST_F(ModeSpeakingTest, ResetWhilePausedInMidTextAbortsItAndFreesTheDevice) {
    RecordingBufSink sink;
    ASSERT_EQ(Speak(u"Ala ma kota, a kot ma Al\u0119.", &sink), S_OK);
    for (int i = 0; i < 100 && sink.wordOffsets.empty(); ++i) dest->Advance(512);
    ASSERT_EQ(central->AudioPause(), S_OK);
    ASSERT_EQ(central->AudioReset(), S_OK);
    EXPECT_EQ(sink.events, (std::vector<std::string>{"started", "done 1"}));
    EXPECT_EQ(sink.refs, 0u);
    dest->Pump();
    EXPECT_FALSE(dest->IsClaimed());
    EXPECT_EQ(central->AudioResume(), TTSERR_NOTPAUSED);
    RecordingBufSink next;
    ASSERT_EQ(Speak(u"Nast\u0119pny.", &next), S_OK);
    PlayUntilDone(next);
    EXPECT_EQ(next.events, (std::vector<std::string>{"started", "done 0"}));
    ASSERT_FALSE(next.wordOffsets.empty());
    EXPECT_EQ(next.wordOffsets.front(), 0u) << "the new text starts from its own beginning";
}

// \Pro=0\ is how a host switches the intonation off for one text.
TEST_F(ModeSpeakingTest, QuestionsRiseAndCommasRiseLess) {
    sentence_tune::ExpectQuestionsRiseAndCommasRiseLess(
        [&](const std::string& text, bool intonation) {
            // Tags set the mode's settings for good, so each text says which tune it wants.
            std::u16string request =
                (intonation ? u"\\Pro=1\\ " : u"\\Pro=0\\ ") + sentence_tune::Utf16(text);
            RecordingBufSink sink;
            const size_t before = dest->Written().size();
            EXPECT_EQ(SpeakTagged(request, &sink), S_OK);
            PlayUntilDone(sink);
            const auto& bytes = dest->Written();
            std::vector<int16_t> pcm((bytes.size() - before) / 2);
            if (!pcm.empty()) std::memcpy(pcm.data(), bytes.data() + before, pcm.size() * 2);
            return pcm;
        });
}

}  // namespace
