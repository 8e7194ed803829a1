// The settings record and its persistence in the user's hive.
#include <gtest/gtest.h>

#include "core/attribute.h"
#include "platform/config_dir.h"
#include "platform/reg_key.h"

namespace {

using AttributeTest = ScratchConfigTest;

SRegKey SettingsKey(const char* subkey) {
    return SRegKey(SRegKey(SRegRoot::CurrentUser, kSettingsKeyPath), subkey);
}

TEST_F(AttributeTest, FirstLoadWritesTheWholeTree) {
    ::setenv("VOKRANT_DATA_DIR", "/opt/voice", 1);
    SAttributeSAPI settings;
    ::unsetenv("VOKRANT_DATA_DIR");
    EXPECT_EQ(settings.workDir, "/opt/voice/");
    EXPECT_EQ(settings.extDict, "/opt/voice/client.exp");
    const std::pair<const char*, std::vector<std::string>> expected[] = {
        {"Global", {"WorkDir"}},
        {"Dictionary", {"ExtDict", "UseExtDict"}},
        {"Sound",
         {"Volume", "Speed", "Pitch", "RealTime", "Intonation", "IntonationDepth",
          "PauseInterSentence", "PausePunctation", "PauseInterWord", "PauseDoubleLetter"}},
        {"Conversions",
         {"ConvertNumber", "ConvertSequence", "ConvertDate", "DateBySysFormat", "ConvertTime",
          "ColloquialTime", "24Hours", "ReadInterpunction", "ReadSeparators", "ConvertAbbrev",
          "AbbrevLimit", "ConvertURL", "ConverteSymbol", "FluentSpeech", "ColloquialSpeech",
          "ForceTagSensitivity"}},
    };
    for (const auto& [subkey, names] : expected)
        EXPECT_EQ(SettingsKey(subkey).ValueNames(), names) << subkey;
    uint32_t pitch = 0;
    EXPECT_TRUE(SettingsKey("Sound").ReadDword("Pitch", &pitch));
    EXPECT_EQ(pitch, 160u);
    std::string yes;
    EXPECT_TRUE(SettingsKey("Conversions").ReadString("DateBySysFormat", &yes));
    EXPECT_EQ(yes, "No");
}

TEST_F(AttributeTest, TheSourceTreeVoiceIsUsedButNeverSaved) {
    // Saved, the build tree's own folder would lead an installed program
    // reading the same settings back into the checkout.
    ::unsetenv("VOKRANT_DATA_DIR");
    SAttributeSAPI settings;
    EXPECT_EQ(settings.workDir, VOKRANT_SOURCE_DATA_DIR);
    EXPECT_EQ(settings.extDict, std::string(VOKRANT_SOURCE_DATA_DIR) + "client.exp");
    EXPECT_EQ(SettingsKey("Global").ValueNames(), std::vector<std::string>{});
    EXPECT_EQ(SettingsKey("Dictionary").ValueNames(), std::vector<std::string>{"UseExtDict"});
    SettingsKey("Global").SetString("WorkDir", "/voices/");
    SAttributeSAPI saved;
    EXPECT_EQ(saved.workDir, "/voices/");
    EXPECT_EQ(saved.extDict, "/voices/client.exp");
}

TEST_F(AttributeTest, StoredValuesAreReadWithTheirRules) {
    SRegKey global = SettingsKey("Global");
    global.SetString("WorkDir", "/voices/");
    SRegKey sound = SettingsKey("Sound");
    sound.SetDword("Pitch", 0);  // would stall synthesis: clamped
    SRegKey conversions = SettingsKey("Conversions");
    conversions.SetDword("AbbrevLimit", 25);
    const std::pair<const char*, bool> yesNo[] = {
        {"true", true}, {"1", true},  {"Yes", true}, {"y", true},      {"9x", true},
        {"No", false},  {"0", false}, {"", false},   {"false", false},
    };
    for (const auto& [text, value] : yesNo) {
        SettingsKey("Dictionary").SetString("UseExtDict", text);
        SAttributeSAPI settings;
        EXPECT_EQ(settings.useExtDict, value) << '"' << text << '"';
        EXPECT_EQ(settings.workDir, "/voices/");
        EXPECT_EQ(settings.pitch, 80);
        EXPECT_EQ(settings.speed, 80) << "an in-range speed stays as stored beside a clamped pitch";
        EXPECT_EQ(settings.abbrevLimit, 10);
    }
    conversions.SetDword("AbbrevLimit", static_cast<uint32_t>(-3));
    sound.SetDword("Pitch", 1000);
    EXPECT_EQ(SAttributeSAPI().abbrevLimit, 0);
    EXPECT_EQ(SAttributeSAPI().pitch, 400);
    global.SetString("WorkDir", "/no-slash");
    EXPECT_EQ(SAttributeSAPI().workDir, "/no-slash/");
}

TEST_F(AttributeTest, SaveWritesEverythingButWorkDir) {
    SAttributeSAPI settings;
    settings.SetSpeed(120);
    settings.convertSymbol = false;
    settings.pausePunctuation = 333;
    settings.workDir = "/elsewhere/";
    EXPECT_TRUE(settings.Save());
    SAttributeSAPI reloaded;
    EXPECT_EQ(reloaded.speed, 120);
    EXPECT_EQ(reloaded.pitch, 240);
    EXPECT_FALSE(reloaded.convertSymbol);
    EXPECT_EQ(reloaded.pausePunctuation, 333);
    EXPECT_NE(reloaded.workDir, "/elsewhere/");
}

TEST(Attribute, PitchAndSpeedAreOneRate) {
    SAttribute a;
    EXPECT_EQ(a.SetSpeed(300), 200);
    EXPECT_EQ(a.pitch, 400);
    EXPECT_EQ(a.SetPitch(50), 80);
    EXPECT_EQ(a.speed, 40);
    EXPECT_EQ(a.SetPitch(201), 201);
    EXPECT_EQ(a.speed, 100);
    a.spellMode = true;
    a.fluentSpeech = false;
    a.volume = 5;
    a.Reset(0);
    EXPECT_FALSE(a.spellMode);
    EXPECT_TRUE(a.fluentSpeech);
    EXPECT_EQ(a.volume, 5u);
    a.Reset(1);
    EXPECT_EQ(a.speed, 80);
    EXPECT_EQ(a.pitch, 160);
    EXPECT_EQ(a.volume, 0xFFFFu);
    EXPECT_FALSE(a.Save());
}

TEST(Attribute, ConfigureFromArgumentsPicksRunMode) {
    const std::pair<const char*, int> cases[] = {{"/S", 20}, {"/s", 21}, {"/O", 10},
                                                 {"/o", 11}, {"/8", 1},  {"/x", 0}};
    for (const auto& [argument, mode] : cases) {
        SAttribute a;
        a.useExtDict = false;
        const char* argv[] = {"prog", "x", argument};
        a.ConfigureFromArguments(3, argv);
        EXPECT_EQ(a.runMode, mode) << argument;
        EXPECT_TRUE(a.useExtDict);
        EXPECT_EQ(a.extDict, "client.exp");
    }
}

TEST_F(AttributeTest, RegionalSettingsComeFromIntl) {
    SAttribute defaults;
    EXPECT_EQ(defaults.decimalSeparator, ',');
    EXPECT_EQ(defaults.thousandsSeparator, '.');
    EXPECT_EQ(defaults.dateSeparator, '/');
    SRegKey intl(SRegRoot::CurrentUser, "Control Panel\\International");
    intl.SetString("sDecimal", ".");
    intl.SetString("sShortDate", "yyyy-MM-dd and much more text");
    SAttribute regional;
    EXPECT_EQ(regional.decimalSeparator, '.');
    EXPECT_EQ(regional.shortDatePattern, "yyyy-MM-dd and ");
}

}  // namespace
