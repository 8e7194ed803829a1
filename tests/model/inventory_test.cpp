#include <gtest/gtest.h>

#include "model/inventory.h"

namespace {

TEST(Inventory, RowsByIdArithmetic) {
    struct Case {
        int id;
        const char* name;
        uint16_t features;
    } cases[] = {
        {1, "a", 0x0004},     {7, "an", 0x8004},  {11, "", 0x0004},    {14, "err", 0x0004},
        {16, "ien", 0x8004},  {17, "aa", 0x0004}, {23, "aan", 0x8004}, {27, "", 0x0004},
        {32, "ieen", 0x8004}, {33, "a_", 0x0004}, {39, "aan", 0x8004}, {43, "i_", 0x0004},
        {48, "ieen", 0x8004}, {49, "b", 0x1050},  {62, "drz", 0x1410}, {63, "p", 0x2050},
        {76, "cz", 0x2410},   {77, "m", 0x8010},  {78, "mi", 0xC010},  {84, "n_", 0x8010},
        {85, "h", 0x0110},    {86, "hi", 0x4110}, {87, "", 0x2110},    {88, "", 0x6110},
        {92, "ll_", 0x0210},  {95, "ri", 0x4810}, {97, "jj", 0x0008},  {98, "", 0x0001},
        {105, "", 0x0001},    {106, "", 0x0002},  {110, "", 0x0002},   {111, "err", 0x0001},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(InventoryName(c.id), c.name) << c.id;
        EXPECT_EQ(InventoryFeatures(c.id), c.features) << c.id;
        EXPECT_EQ(InventoryEntry(c.id).id, c.id);
    }
}

TEST(Inventory, OutsideTheTableIsEntryZero) {
    for (int id : {0, -1, 112, 115, 138, 100000}) {
        EXPECT_EQ(InventoryName(id), "") << id;
        EXPECT_EQ(InventoryFeatures(id), 0) << id;
        EXPECT_EQ(InventoryEntry(id).id, 0) << id;
    }
}

// The arithmetic the rules rely on holds across the whole table.
TEST(Inventory, PartnersShareTheirPlaceFeatures) {
    for (int voiced = kAlfFirstVoiced; voiced <= kAlfLastVoiced; ++voiced) {
        int voiceless = voiced + kAlfVoicelessOffset;
        EXPECT_TRUE(InventoryFeatures(voiced) & AF_VOICED) << voiced;
        EXPECT_TRUE(InventoryFeatures(voiceless) & AF_VOICELESS) << voiceless;
        EXPECT_EQ(InventoryFeatures(voiced) & ~AF_VOICED,
                  InventoryFeatures(voiceless) & ~AF_VOICELESS)
            << voiced;
    }
    for (int plain = 1; plain <= 16; ++plain) {
        EXPECT_EQ(InventoryFeatures(plain), InventoryFeatures(plain + kAlfStressedOffset));
        EXPECT_EQ(InventoryFeatures(plain), InventoryFeatures(plain + kAlfFinalOffset));
    }
    for (int id = 1; id <= 48; ++id) EXPECT_TRUE(InventoryFeatures(id) & AF_VOWEL) << id;
    for (int id = 49; id <= 95; ++id) EXPECT_TRUE(InventoryFeatures(id) & AF_CONSONANT) << id;
}

TEST(Inventory, FindByNameReturnsLowestId) {
    struct Case {
        const char* name;
        int id;
    } cases[] = {{"aan", 23}, {"een", 24}, {"iaan", 31}, {"ieen", 32}, {"i_", 35},
                 {"err", 14}, {"jj", 97},  {"ch", -1},   {"", -1},     {"A", -1}};
    for (const Case& c : cases) EXPECT_EQ(InventoryFindByName(c.name), c.id) << c.name;
}

}  // namespace
