// The General page's value rules: slider scales, the pitch/speed coupling,
// volume conversion, and which pause patterns OK rebuilds.
#include <gtest/gtest.h>

#include "core/attribute.h"
#include "dialogs/general_values.h"
#include "platform/config_dir.h"
#include "platform/reg_key.h"

namespace {

using V = SGeneralValue;

struct SliderCase {
    V moved;
    int position;
    V shown;
    int expected;
};

TEST(GeneralValues, SliderRestSetsTheValueAndItsPartner) {
    const SliderCase cases[] = {
        {V::Pitch, 301, V::Speed, 150},
        {V::Pitch, 301, V::Pitch, 301},
        {V::Speed, 41, V::Pitch, 82},
        {V::Speed, 200, V::Pitch, 400},
        {V::Pitch, 80, V::Speed, 40},
        {V::PauseInterWord, 25, V::PauseInterWord, 250},
        {V::PauseDoubleLetter, 3, V::PauseDoubleLetter, 30},
        {V::PauseInterSentence, 100, V::PauseInterSentence, 1000},
        {V::PausePunctuation, 0, V::PausePunctuation, 0},
        {V::Volume, 57, V::Volume, 57},
        {V::Processor, 99, V::Processor, 99},
        // A position outside the slider cannot happen; it is kept in range.
        {V::PauseInterWord, 400, V::PauseInterWord, 250},
        {V::Pitch, 10, V::Pitch, 80},
    };
    for (const SliderCase& c : cases) {
        SGeneralValues values = SGeneralValues::Defaults();
        values.TakeSliderPosition(c.moved, c.position);
        EXPECT_EQ(values[c.shown], c.expected)
            << "moved " << static_cast<int>(c.moved) << " to " << c.position;
    }
}

TEST(GeneralValues, OnlyPitchAndSpeedMoveTogether) {
    SGeneralValues values = SGeneralValues::Defaults();
    EXPECT_EQ(values.TakeSliderPosition(V::Pitch, 301), (std::vector<V>{V::Pitch, V::Speed}));
    EXPECT_EQ(values.TakeSliderPosition(V::Volume, 10), (std::vector<V>{V::Volume}));
    EXPECT_EQ(values[V::Pitch], 301);
}

TEST(GeneralValues, PauseSlidersShowTensOfMilliseconds) {
    const std::pair<int, int> cases[] = {{250, 25}, {70, 7}, {75, 7}, {0, 0}, {5000, 25}};
    for (auto [ms, position] : cases)
        EXPECT_EQ(SGeneralValues::PositionOf(V::PauseInterWord, ms), position) << ms;
}

TEST(GeneralValues, VolumePercentConversions) {
    const struct {
        int percent;
        uint32_t forTest;
        uint32_t forOk;
    } cases[] = {{100, 65500, 65535}, {99, 64845, 64845}, {0, 0, 0}, {50, 32750, 32750}};
    for (const auto& c : cases) {
        EXPECT_EQ(VolumeForTest(c.percent), c.forTest) << c.percent;
        EXPECT_EQ(VolumeForOk(c.percent), c.forOk) << c.percent;
    }
    const std::pair<uint32_t, int> shown[] = {
        {65535, 100}, {65500, 100}, {64845, 99}, {654, 0}, {0x12341234, 7}};
    for (auto [volume, percent] : shown)
        EXPECT_EQ(VolumePercentFromSettings(volume), percent) << volume;
}

TEST(GeneralValues, DefaultsComeFromTheButtonTable) {
    const SGeneralValues d = SGeneralValues::Defaults();
    EXPECT_EQ(d[V::Pitch], 160);
    EXPECT_EQ(d[V::Speed], 80);
    EXPECT_EQ(d[V::Volume], 100);
    EXPECT_EQ(d[V::Processor], 30);
    EXPECT_EQ(d[V::Intonation], 50);
    EXPECT_EQ(d[V::VoicePitch], 100);  // the voice's natural pitch
    EXPECT_EQ(d[V::PauseDoubleLetter], 30);
    EXPECT_EQ(d[V::PauseInterWord], 70);
    EXPECT_EQ(d[V::PauseInterSentence], 500);
    EXPECT_EQ(d[V::PausePunctuation], 200);
}

TEST(GeneralValues, TrialAndOkStoreInTheirOwnOrder) {
    SAttribute settings;
    SGeneralValues values = SGeneralValues::FromSettings(settings);
    values.TakeSliderPosition(V::Pitch, 301);
    // The trial sets pitch before speed, so the speed decides the pitch.
    StoreForTest(values, settings);
    EXPECT_EQ(settings.pitch, 300);
    EXPECT_EQ(settings.speed, 150);
    EXPECT_EQ(settings.volume, 65500u);
    // OK sets speed before pitch: the pitch stands as chosen.
    SGeneralValues built = SGeneralValues::FromSettings(settings);
    StoreForOk(values, settings, built);
    EXPECT_EQ(settings.pitch, 301);
    EXPECT_EQ(settings.speed, 150);
    EXPECT_EQ(settings.volume, 65535u);
}

TEST(GeneralValues, OkRebuildsExactlyTheChangedPauses) {
    const struct {
        const char* what;
        std::vector<std::pair<V, int>> moves;
        std::vector<int> rebuilt;
    } cases[] = {
        {"nothing moved", {}, {}},
        {"inter-word", {{V::PauseInterWord, 25}}, {107}},
        {"moved back to where it was", {{V::PauseInterWord, 25}, {V::PauseInterWord, 7}}, {}},
        {"all four",
         {{V::PauseDoubleLetter, 1},
          {V::PauseInterWord, 1},
          {V::PauseInterSentence, 1},
          {V::PausePunctuation, 1}},
         {108, 107, 109, 106}},
        {"not a pause", {{V::Volume, 3}, {V::Pitch, 200}}, {}},
    };
    for (const auto& c : cases) {
        SAttribute settings;
        SGeneralValues built = SGeneralValues::FromSettings(settings);
        SGeneralValues values = built;
        for (auto [v, position] : c.moves) values.TakeSliderPosition(v, position);
        EXPECT_EQ(StoreForOk(values, settings, built), c.rebuilt) << c.what;
        EXPECT_EQ(StoreForOk(values, settings, built), std::vector<int>{})
            << c.what << ", second OK";
    }
}

TEST(GeneralValues, OkAfterATrialStillRebuildsThePauses) {
    SAttribute settings;
    SGeneralValues built = SGeneralValues::FromSettings(settings);
    SGeneralValues values = built;
    values.TakeSliderPosition(V::PausePunctuation, 40);
    StoreForTest(values, settings);  // stores 400 ms without rebuilding
    EXPECT_EQ(settings.pausePunctuation, 400);
    EXPECT_EQ(StoreForOk(values, settings, built), std::vector<int>{108});
}

// The voice pitch is a setting of its own: trial, OK and undo carry it, and
// a stored value beyond the slider's range shows at the slider's end.
TEST(GeneralValues, VoicePitchIsStoredByTrialAndOkAndUndone) {
    SAttribute settings;
    const SGeneralSnapshot before = SGeneralSnapshot::Capture(settings);
    SGeneralValues values = SGeneralValues::FromSettings(settings);
    EXPECT_EQ(values.TakeSliderPosition(V::VoicePitch, 130), std::vector<V>{V::VoicePitch});
    StoreForTest(values, settings);
    EXPECT_EQ(settings.voicePitch, 130);
    before.RestoreTo(settings);
    EXPECT_EQ(settings.voicePitch, 100);
    SGeneralValues built = values;
    StoreForOk(values, settings, built);
    EXPECT_EQ(settings.voicePitch, 130);
    EXPECT_EQ(settings.pitch, 160) << "the rate stays";
    settings.SetVoicePitch(200);
    EXPECT_EQ(SGeneralValues::PositionOf(V::VoicePitch,
                                         SGeneralValues::FromSettings(settings)[V::VoicePitch]),
              150);
}

TEST(GeneralValues, SnapshotUndoesATrial) {
    SAttribute settings;
    settings.volume = 0x00FF1234;
    const SGeneralSnapshot before = SGeneralSnapshot::Capture(settings);
    SGeneralValues values = SGeneralValues::Defaults();
    values.TakeSliderPosition(V::Speed, 120);
    values.TakeSliderPosition(V::PauseInterSentence, 10);
    StoreForTest(values, settings);
    before.RestoreTo(settings);
    EXPECT_EQ(settings.speed, 80);
    EXPECT_EQ(settings.pitch, 160);
    EXPECT_EQ(settings.volume, 0x00FF1234u);
    EXPECT_EQ(settings.pauseInterSentence, 500);
}

TEST(GeneralValues, EverySliderHasItsIdsAndRange) {
    const std::tuple<int, int, int, int> expected[] = {
        // slider, edit, min, max
        {300, 303, 80, 400}, {301, 304, 40, 200}, {302, 305, 0, 100}, {306, 307, 5, 99},
        {316, 317, 0, 100},  {322, 323, 70, 150}, {308, 309, 0, 10},  {310, 311, 0, 25},
        {312, 313, 0, 100},  {314, 315, 0, 50}};
    ASSERT_EQ(GeneralSliderSpecs().size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        const SGeneralSliderSpec& s = GeneralSliderSpecs()[i];
        EXPECT_EQ(std::make_tuple(s.sliderId, s.editId, s.minPosition, s.maxPosition), expected[i])
            << s.label;
        EXPECT_TRUE(s.enabled) << s.label;  // intonation too: the synthesis reads it
    }
}

using StoredRateTest = ScratchConfigTest;

// The page shows the rate as the registry holds it: a stored pair is not
// re-coupled, and only a value outside its slider's range is brought inside.
TEST_F(StoredRateTest, ThePageShowsStoredPitchAndSpeedAsStored) {
    const struct {
        uint32_t pitch, speed;
        int shownPitch, shownSpeed;
    } cases[] = {
        {240, 80, 240, 80}, {160, 120, 160, 120},  {80, 200, 80, 200}, {400, 40, 400, 40},
        {0, 100, 80, 100},  {1000, 300, 400, 200}, {200, 0, 200, 40},
    };
    SRegKey sound(SRegKey(SRegRoot::CurrentUser, kSettingsKeyPath), "Sound");
    for (const auto& c : cases) {
        sound.SetDword("Pitch", c.pitch);
        sound.SetDword("Speed", c.speed);
        const SGeneralValues shown = SGeneralValues::FromSettings(SAttributeSAPI());
        EXPECT_EQ(shown[V::Pitch], c.shownPitch) << c.pitch << "/" << c.speed;
        EXPECT_EQ(shown[V::Speed], c.shownSpeed) << c.pitch << "/" << c.speed;
    }
}

}  // namespace
