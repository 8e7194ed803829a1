// The Conversions page's switches and the small text helpers of the sheet.
#include <gtest/gtest.h>

#include <set>

#include "core/attribute.h"
#include "dialogs/conversion_switches.h"
#include "dialogs/dialog_strings.h"

namespace {

TEST(ConversionSwitches, DefaultsMatchAFreshRecord) {
    const SAttribute fresh;
    std::set<int> ids;
    for (const SConversionSwitch& box : ConversionSwitches()) {
        EXPECT_TRUE(ids.insert(box.id).second) << box.id;
        EXPECT_EQ(IsSwitchChecked(box, fresh), box.defaultChecked) << box.text;
    }
    EXPECT_EQ(
        ids, (std::set<int>{220, 221, 222, 223, 224, 225, 226, 227, 228, 230, 235, 236, 237, 238}));
}

TEST(ConversionSwitches, StressEveryWordIsTheInverseOfFluentSpeech) {
    const SConversionSwitch* stress = FindConversionSwitch(237);
    ASSERT_NE(stress, nullptr);
    SAttribute settings;
    StoreSwitch(*stress, true, settings);
    EXPECT_FALSE(settings.fluentSpeech);
    EXPECT_TRUE(IsSwitchChecked(*stress, settings));
    StoreSwitch(*stress, false, settings);
    EXPECT_TRUE(settings.fluentSpeech);
    EXPECT_EQ(FindConversionSwitch(229), nullptr);
}

TEST(ConversionSwitches, EachBoxEditsOnlyItsSetting) {
    for (const SConversionSwitch& box : ConversionSwitches()) {
        SAttribute settings;
        StoreSwitch(box, !IsSwitchChecked(box, settings), settings);
        for (const SConversionSwitch& other : ConversionSwitches())
            EXPECT_EQ(IsSwitchChecked(other, settings),
                      other.defaultChecked != (other.id == box.id))
                << box.id << " touched " << other.id;
    }
}

TEST(DialogStrings, FileDialogFilter) {
    const std::pair<const char*, const char*> cases[] = {
        {"Słownik (*.exp) |*.exp| Wszystkie pliki (*.*) |*.*||",
         "Słownik (*.exp);;Wszystkie pliki (*.*)"},
        {"Teksty|*.txt||", "Teksty (*.txt)"},
        {"", ""},
        {"bez wzorca|", ""},
    };
    for (auto [in, out] : cases) EXPECT_EQ(FileDialogFilter(in), out) << in;
}

}  // namespace
