// The Conversions page's box for the extended reading.
#include <gtest/gtest.h>

#include <set>

#include "core/attribute.h"
#include "dialogs/conversion_switches.h"

namespace {

TEST(ExtensionSwitches, ExtendedReadingBoxIsOnThePageAndOnByDefault) {
    const SConversionSwitch* box = FindConversionSwitch(239);
    ASSERT_NE(box, nullptr);
    SAttribute settings;
    EXPECT_TRUE(box->defaultChecked);
    EXPECT_TRUE(IsSwitchChecked(*box, settings));
    StoreSwitch(*box, false, settings);
    EXPECT_FALSE(settings.extendedReading);
    std::set<int> ids;
    for (const SConversionSwitch& shown : ConversionPageBoxes())
        EXPECT_TRUE(ids.insert(shown.id).second);
    EXPECT_EQ(ids.size(), ConversionSwitches().size() + ExtensionSwitches().size());
    EXPECT_TRUE(ids.count(239));
}

TEST(ExtensionSwitches, MnemonicsStayUniqueOnThePage) {
    std::set<char> mnemonics;
    for (const SConversionSwitch& box : ConversionPageBoxes()) {
        std::string text = box.text;
        size_t amp = text.find('&');
        ASSERT_NE(amp, std::string::npos) << text;
        char key = static_cast<char>(std::tolower(static_cast<unsigned char>(text[amp + 1])));
        EXPECT_TRUE(mnemonics.insert(key).second) << text;
    }
}

}  // namespace
