// One text cannot change the next: the tags of a tagged text end with it,
// untagged text is never read as tags, and settings given by name are held
// to the same ranges as the typed setters.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "capi_speaking.h"
#include "vokrant/vokrant.h"

namespace {

using namespace capi_test;

class TextIsolationTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!VoicePresent()) GTEST_SKIP() << "no voice in " << kVoiceDir;
    }
};

const std::string kPlain = "Ala ma kota, a kot ma Alę.";

std::vector<int64_t> Bookmarks(const SSpoken& spoken) {
    std::vector<int64_t> numbers;
    for (const SMark& mark : spoken.marks)
        if (mark.type == "bookmark") numbers.push_back(mark.value);
    return numbers;
}

TEST_F(TextIsolationTest, TagsOfATaggedTextDoNotReachTheNextText) {
    const std::vector<int16_t> fresh = SHandle().Speak(kPlain).pcm;
    ASSERT_FALSE(fresh.empty());
    const char* const taggedTexts[] = {
        "\\Vol=500\\ \\Spd=200\\ x",  // near-silent and fast
        "\\RmS=1\\ abc",              // spelled
        "\\Pit=400\\ \\Pro=0\\ x",    // high and flat
        "\\Spd=40\\",                 // a tag alone, no word after it
    };
    for (const char* tagged : taggedTexts) {
        SCOPED_TRACE(tagged);
        SHandle speaker;
        ASSERT_EQ(speaker.Speak(tagged, VOKRANT_TEXT_TAGGED).status, VOKRANT_OK);
        EXPECT_EQ(speaker.Speak(kPlain).pcm, fresh) << "untagged next text";
        EXPECT_EQ(speaker.Speak(kPlain, VOKRANT_TEXT_TAGGED).pcm, fresh) << "tagged next text";
    }
}

TEST_F(TextIsolationTest, UntaggedTextIsNeverReadAsTags) {
    const std::string text = "Ala \\Mrk=7\\ ma \\Spd=200\\ kota.";
    for (int force : {1, 0}) {
        SCOPED_TRACE(force);
        SHandle speaker;
        ASSERT_EQ(vokrant_set_switch(speaker.handle, VOKRANT_SWITCH_FORCE_TAGS, force), VOKRANT_OK);
        ASSERT_EQ(vokrant_set(speaker.handle, "ForceTagSensitivity", force ? "Yes" : "No"),
                  VOKRANT_OK);
        const SSpoken plain = speaker.Speak(text);
        ASSERT_EQ(plain.status, VOKRANT_OK);
        EXPECT_TRUE(Bookmarks(plain).empty());
        const SSpoken tagged = speaker.Speak(text, VOKRANT_TEXT_TAGGED);
        EXPECT_EQ(Bookmarks(tagged), std::vector<int64_t>{7});
        // Read as text, the backslashed words are spoken: longer than the tags' silence.
        EXPECT_NE(plain.pcm.size(), tagged.pcm.size());
    }
}

TEST_F(TextIsolationTest, DialogTagDoesNothingThroughTheCInterface) {
    SHandle speaker;
    const SSpoken withTag = speaker.Speak("\\Dlg\\Ala ma kota.", VOKRANT_TEXT_TAGGED);
    ASSERT_EQ(withTag.status, VOKRANT_OK);
    EXPECT_EQ(withTag.pcm, speaker.Speak("Ala ma kota.", VOKRANT_TEXT_TAGGED).pcm);
}

// A setter called from the callback is legal and waits for the next text.
TEST_F(TextIsolationTest, SettersFromTheCallbackApplyToTheNextText) {
    SHandle reference;
    const size_t normal = reference.Speak(kPlain).pcm.size();
    struct SState {
        vokrant* handle;
        SSpoken spoken;
        int setterStatus = -100;
    };
    SHandle speaker;
    SState state{speaker.handle, {}};
    auto changeWhileSpeaking = [](const vokrant_event* event, void* user) -> int {
        auto& s = *static_cast<SState*>(user);
        if (event->type == VOKRANT_EVENT_AUDIO && s.setterStatus == -100)
            s.setterStatus = vokrant_set_speed(s.handle, VOKRANT_MAX_SPEED);
        return Collect(event, &s.spoken);
    };
    ASSERT_EQ(
        vokrant_speak(speaker.handle, kPlain.data(), kPlain.size(), 0, changeWhileSpeaking, &state),
        VOKRANT_OK);
    EXPECT_EQ(state.setterStatus, VOKRANT_OK);
    EXPECT_EQ(state.spoken.pcm.size(), normal);
    EXPECT_LT(speaker.Speak(kPlain).pcm.size(), normal * 3 / 4);
}

// Every number given by name meets the range of its typed setter, with the
// same wording; the rate settings clamp as their setters do.
TEST_F(TextIsolationTest, SettingsByNameAreRangeCheckedLikeTheTypedSetters) {
    struct SCase {
        const char* name;
        const char* value;
        int status;
        const char* message;
    };
    const SCase cases[] = {
        {"Volume", "65536", VOKRANT_ERROR_SETTING, "65536 is outside 0..65535"},
        {"Volume", "4294967295", VOKRANT_ERROR_SETTING, "is outside 0..65535"},
        {"Volume", "-1", VOKRANT_ERROR_SETTING, "-1 is outside 0..65535"},
        {"Volume", "65535", VOKRANT_OK, ""},
        {"Volume", "0", VOKRANT_OK, ""},
        {"PauseInterWord", "10001", VOKRANT_ERROR_SETTING, "10001 is outside 0..10000"},
        {"pauseintersentence", "-5", VOKRANT_ERROR_SETTING, "-5 is outside 0..10000"},
        {"PausePunctation", "10000", VOKRANT_OK, ""},
        {"PauseDoubleLetter", "2000000000", VOKRANT_ERROR_SETTING, "is outside 0..10000"},
        {"IntonationDepth", "101", VOKRANT_ERROR_SETTING, "101 is outside 0..100"},
        {"RealTime", "4", VOKRANT_ERROR_SETTING, "4 is outside 5..99"},
        {"RealTime", "99", VOKRANT_OK, ""},
        {"Speed", "100000", VOKRANT_OK, ""},  // clamped to 200
        {"Pitch", "-3", VOKRANT_OK, ""},      // clamped to 80
        {"VoicePitch", "1000", VOKRANT_OK, ""},
        {"AbbrevLimit", "-3", VOKRANT_OK, ""},
    };
    SHandle speaker;
    for (const SCase& c : cases) {
        SCOPED_TRACE(std::string(c.name) + "=" + c.value);
        EXPECT_EQ(vokrant_set(speaker.handle, c.name, c.value), c.status);
        if (c.status != VOKRANT_OK) {
            EXPECT_NE(std::string(vokrant_last_error(speaker.handle)).find(c.message),
                      std::string::npos)
                << vokrant_last_error(speaker.handle);
        }
    }
    // The typed setter's wording is the same.
    EXPECT_EQ(vokrant_set_volume(speaker.handle, 65536), VOKRANT_ERROR_ARGUMENT);
    EXPECT_NE(std::string(vokrant_last_error(speaker.handle)).find("65536 is outside 0..65535"),
              std::string::npos);
}

// A refused volume leaves the handle speaking as before; a clamped speed
// speaks exactly as the typed setter's limit.
TEST_F(TextIsolationTest, RefusedOrClampedSettingsSpeakAsTheirLimit) {
    SHandle speaker;
    const std::vector<int16_t> normal = speaker.Speak(kPlain).pcm;
    EXPECT_EQ(vokrant_set(speaker.handle, "Volume", "65536"), VOKRANT_ERROR_SETTING);
    EXPECT_EQ(speaker.Speak(kPlain).pcm, normal);

    SHandle fastest;
    ASSERT_EQ(vokrant_set_speed(fastest.handle, VOKRANT_MAX_SPEED), VOKRANT_OK);
    ASSERT_EQ(vokrant_set(speaker.handle, "Speed", "100000"), VOKRANT_OK);
    EXPECT_EQ(speaker.Speak(kPlain).pcm, fastest.Speak(kPlain).pcm);
}

}  // namespace
