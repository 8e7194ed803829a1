// Choosing a context recording: the best fit of its keys to an allophone's
// neighbours, with the id's own pattern (0) where nothing fits.
#include <gtest/gtest.h>

#include <memory>

#include "model/allophone_ids.h"
#include "model/context_sounds.h"

namespace {

using namespace allophone;

constexpr uint16_t Class(SSoundClass c) {
    return static_cast<uint16_t>(kContextClassBase + c);
}

SContextSounds HandMade() {
    SContextSounds sounds;
    auto add = [&sounds](int id, uint16_t before, uint16_t after) {
        sounds.Add(id, before, after, {});
    };
    add(kA, kContextAny, kT);                        // 1: "a" before "t"
    add(kA, kContextSilence, kContextAny);           // 2: "a" after a pause
    add(kA, Class(kClassStop), Class(kClassNasal));  // 3: "a" between a stop and a nasal
    add(kA, kK, kT);                                 // 4: "a" in "kat"
    add(kA, kContextAny, kContextAny);               // 5: "a" anywhere
    add(kE, kContextAny, kN);                        // 6: "e" before "n"
    return sounds;
}

TEST(ContextSounds, TheBestFittingRecordingIsChosen) {
    const SContextSounds sounds = HandMade();
    const struct {
        int id, before, after, chosen;
        const char* why;
    } cases[] = {
        {kA, kK, kT, 4, "both neighbours named beat one"},
        {kA, kP, kT, 1, "the sound after named; the pair names another sound before"},
        {kA, 0, kT, 1, "after a pause before t: two equal fits, the first added wins"},
        {kA, 0, kO, 2, "after a pause"},
        {kA, kD, kN, 3, "d is a stop, n a nasal: both classes fit"},
        {kA, kC, kN, 5, "c is an affricate, not a stop: only the recording for anywhere"},
        {kA, kL, kL, 5, "nothing particular fits"},
        {kE, 0, kN, 6, "e before n"},
        {kE, kT, kT, 0, "no recording of e fits: its own pattern"},
        {kI, kT, kA, 0, "no recordings of i at all"},
        {-1, 0, 0, 0, "an id outside the inventory"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sounds.Choose(c.id, c.before, c.after), c.chosen) << c.why;
}

TEST(ContextSounds, ARecordingMadeBeforeSilenceCanBeRefused) {
    SContextSounds sounds;
    auto add = [&sounds](int id, uint16_t before, uint16_t after) {
        sounds.Add(id, before, after, {});
    };
    add(kS, kContextAny, kContextSilence);      // 1: "s" before a pause
    add(kS, kContextAny, kContextAny);          // 2: "s" anywhere
    add(kS, kContextSilence, kContextSilence);  // 3: "s" alone between pauses
    const struct {
        int before, after;
        bool allowed;
        int chosen;
        const char* why;
    } cases[] = {
        {kA, 0, true, 1, "before a pause"},
        {0, 0, true, 3, "between pauses: both keys fit"},
        {kA, 0, false, 2, "refused: the recording for anywhere"},
        {0, 0, false, 2, "refused, although the sound before fits too"},
        {kA, kT, true, 2, "before a sound: no silence key fits anyway"},
        {kA, kT, false, 2, "refusing silence changes nothing before a sound"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sounds.Choose(kS, c.before, c.after, c.allowed), c.chosen) << c.why;
}

TEST(ContextSounds, ANumberGivesItsRecordingOnlyForItsOwnId) {
    const SContextSounds sounds = HandMade();
    EXPECT_NE(sounds.RecordingOf(kE, 6), nullptr);
    EXPECT_EQ(sounds.RecordingOf(kA, 6), nullptr);
    EXPECT_EQ(sounds.RecordingOf(kA, 0), nullptr);
    EXPECT_EQ(sounds.RecordingOf(kA, 7), nullptr);
    EXPECT_EQ(sounds.RecordingOf(kA, -3), nullptr);
}

TEST(ContextSounds, SoundClassesFollowPolishPhonetics) {
    const struct {
        int id;
        uint16_t expected;
    } cases[] = {
        {kA, kClassVowel},     {kIa, kClassVowel},      {kJ, kClassGlide},
        {kM, kClassNasal},     {kNi, kClassNasal},      {kL, kClassLiquid},
        {kR, kClassLiquid},    {kS, kClassFricative},   {kRz, kClassFricative},
        {kC, kClassAffricate}, {kDrz, kClassAffricate}, {kP, kClassStop},
        {kG, kClassStop},      {kAlfPauseInterWord, 0}, {kAlfNull, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(SoundClassOf(c.id), c.expected) << c.id;
}

TEST(ContextSounds, OnlyKnownKeyFormsAreValid) {
    EXPECT_TRUE(IsValidContextKey(kContextAny));
    EXPECT_TRUE(IsValidContextKey(kContextSilence));
    EXPECT_TRUE(IsValidContextKey(kA));
    EXPECT_TRUE(IsValidContextKey(Class(kClassAffricate)));
    EXPECT_FALSE(IsValidContextKey(kAlfPauseInterWord));  // a pause is keyed as silence
    EXPECT_FALSE(IsValidContextKey(kContextClassBase));
    EXPECT_FALSE(IsValidContextKey(kContextClassBase + kClassCount + 1));
    EXPECT_FALSE(IsValidContextKey(0x300));
}

}  // namespace
