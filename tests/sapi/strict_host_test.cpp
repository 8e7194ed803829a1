// The component against a strict destination, one that sends only the
// notifications a host's audio object is documented to send (no free-space
// report once the device is being released, none for the engine's own
// writes): every text finishes, every mark of a text reaches its sink in
// order before the text is done, a text without sound claims no device, and
// the pause settings the mode holds are what is heard.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "core/attribute.h"
#include "mode_object_fixture.h"
#include "model/pattern_store.h"
#include "platform/reg_key.h"

namespace {

class StrictHostTest : public ModeObjectTest {
protected:
    void SetUp() override {
        ModeObjectTest::SetUp();
        ASSERT_NE(dest, nullptr);
        dest->SetStrict(true);
    }
    // Plays until the sink's text is done; a text that never ends is reset,
    // so no sink outlives its test case inside the mode object.
    void Finish(RecordingBufSink& sink, DWORD step = 4096) {
        PlayUntilDone(sink, step);
        if (!sink.Done()) central->AudioReset();
    }

    // The longest run of silent samples written so far.
    size_t LongestSilence() const {
        const auto& bytes = dest->Written();
        size_t longest = 0, run = 0;
        for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
            run = bytes[i] == 0 && bytes[i + 1] == 0 ? run + 1 : 0;
            longest = std::max(longest, run);
        }
        return longest;
    }
};

// A sink's events: "started", the marks, "done 0", nothing else.
std::vector<std::string> Expected(std::initializer_list<int> marks) {
    std::vector<std::string> events{"started"};
    for (int m : marks) events.push_back("mark " + std::to_string(m));
    events.push_back("done 0");
    return events;
}

TEST_F(StrictHostTest, MarksAtTheEndOfATextReachTheSinkBeforeItIsDone) {
    const struct {
        std::u16string text;
        std::vector<std::string> events;
    } cases[] = {
        {u"kot \\Mrk=9\\", Expected({9})},
        {u"Kot. \\Mrk=9\\", Expected({9})},
        {u"\\mrk=77\\", Expected({77})},
        {u"kot \\Mrk=9\\ \\Mrk=10\\", Expected({9, 10})},
        {u"\\Mrk=1\\ kot \\Mrk=2\\. \\Mrk=3\\", Expected({1, 2, 3})},
        {u"Ala ma kota. Kot ma Al\u0119. \\Mrk=5\\\\Mrk=6\\", Expected({5, 6})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
        RecordingBufSink sink;
        ASSERT_EQ(SpeakTagged(c.text, &sink), S_OK);
        Finish(sink);
        EXPECT_EQ(sink.events, c.events);
        EXPECT_EQ(sink.refs, 0u);
    }
}

TEST_F(StrictHostTest, AttributeTagsAtTheEndAreAnnouncedBeforeTheTextIsDone) {
    const struct {
        std::u16string text;
        DWORD attribute;
    } cases[] = {
        {u"kot \\Vol=30000\\", TTSNSAC_VOLUME},
        {u"kot \\Spd=120\\", TTSNSAC_SPEED},
        {u"Kot. \\Pit=200\\", TTSNSAC_PITCH},
        {u"\\Vol=20000\\", TTSNSAC_VOLUME},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
        RecordingBufSink sink;
        std::vector<DWORD> beforeDone;
        notify.onAttribChanged = [&](DWORD attribute) {
            if (!sink.Done()) beforeDone.push_back(attribute);
        };
        ASSERT_EQ(SpeakTagged(c.text, &sink), S_OK);
        Finish(sink);
        notify.onAttribChanged = nullptr;
        EXPECT_EQ(sink.events, Expected({}));
        EXPECT_EQ(beforeDone, std::vector<DWORD>{c.attribute});
    }
}

TEST_F(StrictHostTest, EveryTextFinishesOnItsOwnEndMark) {
    for (int queued : {1, 2, 3}) {
        SCOPED_TRACE(queued);
        RecordingBufSink sinks[3];
        for (int i = 0; i < queued; ++i) ASSERT_EQ(Speak(u"Ala ma kota.", &sinks[i]), S_OK);
        Finish(sinks[queued - 1], 1000);
        for (int i = 0; i < queued; ++i) {
            EXPECT_EQ(sinks[i].events, Expected({})) << i;
            EXPECT_EQ(sinks[i].refs, 0u) << i;
            EXPECT_FALSE(sinks[i].wordOffsets.empty()) << i;
        }
        EXPECT_EQ(dest->Played(), dest->Total());
        dest->PlayAll();
        EXPECT_FALSE(dest->IsClaimed()) << "the device is let go after the last text";
    }
}

TEST_F(StrictHostTest, ATextQueuedWhileTheDeviceRunsIsSpokenWhenStartSaysAlreadyStarted) {
    dest->AnswerAlreadyStarted(true);
    dest->ResizeBuffer(1u << 20);  // the whole first text is written at once
    RecordingBufSink first, second;
    ASSERT_EQ(Speak(u"Ala ma kota.", &first), S_OK);
    const QWORD firstBytes = dest->Total();
    ASSERT_GT(firstBytes, 0u);
    ASSERT_LT(dest->Played(), firstBytes) << "the first text still plays";
    EXPECT_EQ(Speak(u"Kot ma Al\u0119.", &second), S_OK);
    Finish(second, 1000);
    EXPECT_EQ(first.events, Expected({}));
    EXPECT_EQ(second.events, Expected({}));
    EXPECT_GT(dest->Total(), firstBytes) << "the second text was spoken";
    ASSERT_FALSE(second.wordTimes.empty());
    EXPECT_GE(second.wordTimes.front(), firstBytes);
}

TEST_F(StrictHostTest, ADeviceThatCannotBeClaimedFailsTheTextAndTheNextOneSpeaks) {
    dest->FailNextClaim(AUDERR_WAVEDEVICEBUSY);
    RecordingBufSink refused, next;
    EXPECT_EQ(Speak(u"Ala ma kota.", &refused), AUDERR_WAVEDEVICEBUSY);
    EXPECT_EQ(refused.events, (std::vector<std::string>{"started", "done 1"}))
        << "given up, not left waiting";
    EXPECT_EQ(refused.refs, 0u);
    EXPECT_EQ(dest->Total(), 0u);
    ASSERT_EQ(Speak(u"Ala ma kota.", &next), S_OK);
    Finish(next);
    EXPECT_EQ(next.events, Expected({}));
    EXPECT_EQ(dest->ClaimCount(), 1);
}

TEST_F(StrictHostTest, ATextWithoutSoundClaimsNoDeviceAndSendsNoAudioEvents) {
    const struct {
        std::u16string text;
        std::vector<std::string> events;
    } cases[] = {
        {u"", Expected({})},
        {u"   ", Expected({})},
        {u"\\Mrk=5\\", Expected({5})},
        {u"\\Mrk=5\\\\Vol=30000\\\\Mrk=6\\", Expected({5, 6})},
        {u"\\Spd=120\\ \\Rst\\", Expected({})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
        RecordingBufSink sink;
        ASSERT_EQ(SpeakTagged(c.text, &sink), S_OK);
        Finish(sink);
        dest->PlayAll();
        EXPECT_EQ(sink.events, c.events);
        EXPECT_EQ(dest->ClaimCount(), 0);
        EXPECT_EQ(dest->Total(), 0u);
        EXPECT_EQ(notify.starts, 0);
        EXPECT_EQ(notify.stops, 0);
    }
}

TEST_F(StrictHostTest, APauseTagIsSoundAndStartsAndStopsTheAudio) {
    RecordingBufSink sink;
    ASSERT_EQ(SpeakTagged(u"\\Mrk=1\\\\Pau=300\\\\Mrk=2\\", &sink), S_OK);
    Finish(sink);
    dest->PlayAll();
    EXPECT_EQ(sink.events, Expected({1, 2}));
    EXPECT_EQ(dest->ClaimCount(), 1);
    EXPECT_EQ(dest->Total(), 2u * 6615u) << "300 ms of silence at 22050 Hz";
    EXPECT_EQ(notify.starts, 1);
    EXPECT_EQ(notify.stops, 1);
    ASSERT_EQ(sink.markTimes.size(), 2u);
    EXPECT_EQ(sink.markTimes[0], 0u);
    EXPECT_EQ(sink.markTimes[1], dest->Total());
}

// A single run of sound that fills the whole empty buffer (a long pause) is
// played through: the room its playing frees is reported, strictly or not.
TEST_F(StrictHostTest, SoundThatFillsTheWholeBufferAtOnceIsPlayedThrough) {
    for (bool strict : {true, false}) {
        SCOPED_TRACE(strict);
        dest->SetStrict(strict);
        const QWORD before = dest->Total();
        RecordingBufSink sink;
        ASSERT_EQ(SpeakTagged(u"\\Pau=2000\\", &sink), S_OK);
        Finish(sink, dest->BufferSize());  // every step plays all there is
        EXPECT_EQ(sink.events, Expected({}));
        EXPECT_EQ(dest->Total() - before, 2u * 44100u);
    }
}

TEST_F(StrictHostTest, ADoubledBackslashIsOneLiteralBackslashInTaggedText) {
    const struct {
        std::u16string text;
        std::vector<std::string> events;
    } cases[] = {
        {u"Dokument \\\\mrk=3\\\\ ma znacznik.", Expected({})},
        {u"\\\\Vol=0\\\\ Ala ma kota.", Expected({})},
        {u"\\\\\\Mrk=4\\ kot", Expected({4})},  // a literal backslash, then a real tag
        {u"kot\\\\pies", Expected({})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
        RecordingBufSink sink;
        notify.attributes.clear();
        const QWORD before = dest->Total();
        ASSERT_EQ(SpeakTagged(c.text, &sink), S_OK);
        Finish(sink);
        EXPECT_EQ(sink.events, c.events);
        EXPECT_TRUE(notify.attributes.empty()) << "no tag was read";
        EXPECT_GT(dest->Total(), before);
    }
    // The silenced-volume text is as loud as the same words without it.
    auto loudestFrom = [&](QWORD from) {
        int loudest = 0;
        const auto& bytes = dest->Written();
        for (size_t i = from; i + 1 < bytes.size(); i += 2) {
            int16_t sample = 0;
            std::memcpy(&sample, &bytes[i], 2);
            loudest = std::max(loudest, std::abs(int{sample}));
        }
        return loudest;
    };
    RecordingBufSink sink;
    const QWORD before = dest->Total();
    ASSERT_EQ(SpeakTagged(u"\\\\Vol=0\\\\ Ala ma kota.", &sink), S_OK);
    Finish(sink);
    EXPECT_GT(loudestFrom(before), 5000);
}

// Pause settings stored for the mode are heard, with the normal voice and
// with the half-rate voice of fast reading alike.
class StoredPauseTest : public StrictHostTest {
protected:
    void SetUp() override {
        const char* base = std::getenv("VOKRANT_CONFIG_DIR");
        previous_ = base ? base : "";
        dir_ = std::filesystem::temp_directory_path() /
               ("vokrant-pauses-" +
                std::string(testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
                std::to_string(getpid()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        ::setenv("VOKRANT_CONFIG_DIR", dir_.c_str(), 1);
    }
    void TearDown() override {
        StrictHostTest::TearDown();
        ::setenv("VOKRANT_CONFIG_DIR", previous_.c_str(), 1);
        std::filesystem::remove_all(dir_);
    }
    // Selects a mode whose stored pause `name` is `ms`, speaks `text` at
    // `pitch` and returns the longest silence heard.
    size_t SilenceWith(const char* name, uint32_t ms, const std::u16string& text, WORD pitch) {
        SRegKey(SRegKey(SRegRoot::CurrentUser, kSettingsKeyPath), "Sound").SetDword(name, ms);
        StrictHostTest::SetUp();
        if (HasFatalFailure()) return 0;
        EXPECT_EQ(attributes->PitchSet(pitch), S_OK);
        RecordingBufSink sink;
        EXPECT_EQ(Speak(text, &sink), S_OK);
        Finish(sink);
        EXPECT_EQ(sink.events, Expected({}));
        return LongestSilence();
    }

    std::filesystem::path dir_;
    std::string previous_;
};

struct PauseCase {
    const char* name;
    std::u16string text;
    WORD pitch;
};

void PrintTo(const PauseCase& c, std::ostream* os) {
    *os << c.name << " at pitch " << c.pitch;
}

class StoredPauseHeard : public StoredPauseTest, public testing::WithParamInterface<PauseCase> {};

TEST_P(StoredPauseHeard, TheStoredLengthIsTheSilenceHeard) {
    const PauseCase& c = GetParam();
    const bool fast = c.pitch > 240;
    const int rate = fast ? 11025 : 22050;
    const double x = c.pitch / 160.0;
    const auto heard = [&](int ms) { return static_cast<size_t>(PauseSamples(rate, ms) / x); };
    const size_t silence = SilenceWith(c.name, 4000, c.text, c.pitch);
    EXPECT_GE(silence, heard(4000)) << "a pause of 4 s is heard";
    EXPECT_LT(silence, heard(4000) + heard(1000)) << "and not more";
}

INSTANTIATE_TEST_SUITE_P(
    EverySettingBothVoices, StoredPauseHeard,
    testing::Values(PauseCase{"PauseInterSentence", u"Ala ma kota. Kot ma Al\u0119.", 160},
                    PauseCase{"PauseInterSentence", u"Ala ma kota. Kot ma Al\u0119.", 320},
                    PauseCase{"PausePunctation", u"Ala ma kota, kot ma Al\u0119", 160},
                    PauseCase{"PausePunctation", u"Ala ma kota, kot ma Al\u0119", 320},
                    PauseCase{"PauseInterWord", u"Jan Nowak", 160},
                    PauseCase{"PauseInterWord", u"Jan Nowak", 320},
                    PauseCase{"PauseDoubleLetter", u"mamma", 160},
                    PauseCase{"PauseDoubleLetter", u"mamma", 320}));

}  // namespace
