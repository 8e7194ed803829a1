// The ExtendedReading switch in the user's hive, and which regional values
// the system actually stores (the extended reading fills in the others).
#include <gtest/gtest.h>

#include "config_dir.h"
#include "core/attribute.h"
#include "platform/reg_key.h"

namespace {

using ExtendedReadingSettingTest = ScratchConfigTest;

SRegKey Conversions() {
    return SRegKey(SRegKey(SRegRoot::CurrentUser, kSettingsKeyPath), "Conversions");
}

TEST_F(ExtendedReadingSettingTest, OnByDefaultWithoutWritingItBack) {
    SAttributeSAPI settings;
    EXPECT_TRUE(settings.extendedReading);
    std::string stored;
    EXPECT_FALSE(Conversions().ReadString("ExtendedReading", &stored));
}

TEST_F(ExtendedReadingSettingTest, StoredValueIsReadAndSaved) {
    const std::pair<const char*, bool> cases[] = {
        {"No", false}, {"0", false}, {"Yes", true}, {"1", true}};
    for (const auto& [text, value] : cases) {
        Conversions().SetString("ExtendedReading", text);
        EXPECT_EQ(SAttributeSAPI().extendedReading, value) << text;
    }
    SAttributeSAPI settings;
    settings.extendedReading = false;
    EXPECT_TRUE(settings.Save());
    std::string stored;
    EXPECT_TRUE(Conversions().ReadString("ExtendedReading", &stored));
    EXPECT_EQ(stored, "No");
    EXPECT_FALSE(SAttributeSAPI().extendedReading);
}

TEST_F(ExtendedReadingSettingTest, RegionalValuesKnowWhetherTheyAreStored) {
    SAttribute unset;
    EXPECT_FALSE(unset.dateSeparatorStored);
    EXPECT_FALSE(unset.shortDatePatternStored);
    SRegKey intl(SRegRoot::CurrentUser, "Control Panel\\International");
    intl.SetString("sDate", "-");
    SAttribute regional;
    EXPECT_TRUE(regional.dateSeparatorStored);
    EXPECT_EQ(regional.dateSeparator, '-');
    EXPECT_FALSE(regional.shortDatePatternStored);
}

}  // namespace
