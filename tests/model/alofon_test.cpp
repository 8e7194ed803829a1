#include <gtest/gtest.h>

#include "model/alofon.h"
#include "synthesis/inventory_voice.h"

namespace {

TEST(Alofon, NewRecord) {
    SAlofon a(5);
    EXPECT_EQ(a.id, 5);
    EXPECT_EQ(a.positions.GetSize(), 0);
    EXPECT_EQ(a.length, 0);
    EXPECT_FALSE(a.useFast);
    EXPECT_FALSE(a.locked);
}

TEST(Alofon, VoicingChanges) {
    struct Case {
        int id;
        bool locked;
        int devoiced;
        int voiced;
    } cases[] = {
        {49, false, 63, 49}, {62, false, 76, 62}, {63, false, 63, 49}, {76, false, 76, 62},
        {77, false, 77, 77}, {1, false, 1, 1},    {85, false, 85, 85}, {48, false, 48, 48},
        {49, true, 49, 49},  {63, true, 63, 63},
    };
    for (const Case& c : cases) {
        SAlofon a(c.id);
        a.locked = c.locked;
        a.Devoice();
        EXPECT_EQ(a.id, c.devoiced) << c.id;
        SAlofon b(c.id);
        b.locked = c.locked;
        b.Voice();
        EXPECT_EQ(b.id, c.voiced) << c.id;
    }
    SAlofon locked(3);
    locked.locked = true;
    locked.SetId(4);
    EXPECT_EQ(locked.id, 3);
}

TEST(Alofon, SampleCount) {
    SAlofon a(1);
    a.positions.SetSize(7);
    EXPECT_EQ(a.SampleCount(), 7);
    a.length = 3;
    EXPECT_EQ(a.SampleCount(), 3);
    a.length = -250;  // a pause tag still in milliseconds
    EXPECT_EQ(a.SampleCount(), 0);
}

class AlofonList : public ::testing::Test {
protected:
    static void SetUpTestSuite() { BuildInventoryVoice(NormalVoice(), MonoPcm16(22050), 32); }
    static void TearDownTestSuite() { NormalVoice().RemoveAll(); }
};

TEST_F(AlofonList, IndexAccessOutOfRange) {
    SAlofonBff word;
    word.Append(1);
    word.Append(49);
    EXPECT_EQ(word.IdAt(1), 49);
    EXPECT_EQ(word.FeaturesAt(1), 0x1050);
    for (int index : {-1, 2, 1000}) {
        EXPECT_EQ(word.IdAt(index), kAlfNull) << index;
        EXPECT_EQ(word.FeaturesAt(index), 0) << index;
        EXPECT_EQ(word.RecordAt(index), nullptr) << index;
    }
}

TEST_F(AlofonList, FeaturesComeFromTheVoice) {
    SAlofonBff word;
    for (int id : {87, 109, 112, 120, 100}) word.Append(id);
    EXPECT_EQ(word.FeaturesAt(0), InventoryFeatures(87));  // "ch": voiceless fricative
    EXPECT_EQ(word.FeaturesAt(1), AF_PAUSE);
    EXPECT_EQ(word.FeaturesAt(2), 0);  // above 111
    EXPECT_EQ(word.FeaturesAt(3), 0);
    EXPECT_EQ(word.FeaturesAt(4), 0);  // spare slot without a pattern
}

TEST_F(AlofonList, AppendByName) {
    SAlofonBff word;
    struct Case {
        const char* name;
        int id;
    } cases[] = {{"aan", 23}, {"ch", 87}, {"p100", 109}, {"null", 112}, {"xyz", 111}, {"", 111}};
    for (const Case& c : cases) EXPECT_EQ(word.AppendByName(c.name)->id, c.id) << c.name;
}

TEST_F(AlofonList, InsertKeepsOrder) {
    SAlofonBff word;
    word.Append(1);
    word.Append(3);
    word.Insert(1, new SAlofon(2));
    word.Insert(3, new SAlofon(4));  // at the count: appends
    word.Insert(99, new SAlofon(5));
    word.Insert(-4, new SAlofon(0));
    ASSERT_EQ(word.GetSize(), 6);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(word.IdAt(i), i);
}

TEST_F(AlofonList, VowelAndByteCounts) {
    SAlofonBff word;
    word.Append(1)->positions.SetSize(100);
    word.Append(63)->positions.SetSize(40);
    word.Append(17)->length = 10;
    word.Append(120);
    EXPECT_EQ(word.VowelCount(), 2);
    EXPECT_EQ(word.ByteCount(), 2 * 150);

    SAlofonBff pauses;
    pauses.Append(107)->length = 500;
    pauses.Append(109);
    EXPECT_EQ(pauses.VowelCount(), 0);
    EXPECT_EQ(pauses.ByteCount(), 1000);
}

}  // namespace
