// Self-registration writes the class keys, the host's engine entry and the
// user's settings key; unregistration removes everything but the settings.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <string>

#include "component_host.h"
#include "platform/reg_key.h"
#include "sapi/engine_ids.h"

namespace {

std::string ClassKey() {
    return "CLSID\\" + GuidToString(CLSID_VokrantEngine);
}
constexpr const char* kSettingsKey = "Software\\Dravenlab\\Vokrant 1.6 SAPI";
constexpr const char* kEngineList = "Software\\Voice\\TextToSpeech\\Engine";

std::string DefaultValue(SRegRoot root, const std::string& path) {
    std::string value = "<missing>";
    SRegKey key = SRegKey::OpenExisting(root, path);
    if (key.IsOpen()) key.ReadString("", &value);
    return value;
}

TEST(RegistrationTest, RegisterThenUnregisterKeepsOnlyTheUserSettings) {
    ComponentHost host;
    ASSERT_TRUE(host.Loaded());
    const std::string clsid = GuidToString(CLSID_VokrantEngine);
    ASSERT_EQ(host.registerServer(), S_OK);

    struct Expected {
        std::string path;
        std::string value;
    };
    const Expected keys[] = {
        {"Vokrant 1.6 SAPI", "Vokrant TTS engine"},
        {"Vokrant 1.6 SAPI\\CLSID", clsid},
        {"Vokrant", "Dravenlab Vokrant TTS engine"},
        {"Vokrant\\CLSID", clsid},
        {"Vokrant\\CurVer", "Vokrant 1.6 SAPI"},
        {ClassKey(), "Dravenlab Vokrant TTS engine"},
        {ClassKey() + "\\ProgID", "Vokrant 1.6 SAPI"},
        {ClassKey() + "\\VersionIndependentProgID", "Vokrant"},
        {ClassKey() + "\\NotInsertable", ""},
    };
    for (const Expected& k : keys)
        EXPECT_EQ(DefaultValue(SRegRoot::ClassesRoot, k.path), k.value) << k.path;

    char real[PATH_MAX];
    ASSERT_NE(realpath(VOKRANT_SAPI_MODULE, real), nullptr);
    SRegKey server = SRegKey::OpenExisting(SRegRoot::ClassesRoot, ClassKey() + "\\InprocServer32");
    ASSERT_TRUE(server.IsOpen());
    std::string value;
    EXPECT_TRUE(server.ReadString("", &value));
    EXPECT_EQ(value, real);
    EXPECT_TRUE(server.ReadString("ThreadingModel", &value));
    EXPECT_EQ(value, "Apartment");
    SRegKey list = SRegKey::OpenExisting(SRegRoot::LocalMachine, kEngineList);
    ASSERT_TRUE(list.IsOpen());
    EXPECT_TRUE(list.ReadString("Vokrant", &value));
    EXPECT_EQ(value, clsid);
    ASSERT_TRUE(SRegKey::Exists(SRegRoot::CurrentUser, kSettingsKey));

    // Another engine's entry and the user's own settings must survive.
    SRegKey(SRegRoot::LocalMachine, kEngineList)
        .SetString("Other", "{00000000-0000-0000-0000-000000000001}");
    SRegKey(SRegRoot::CurrentUser, std::string(kSettingsKey) + "\\Global").SetDword("Speed", 120);

    ASSERT_EQ(host.unregisterServer(), S_OK);
    for (const Expected& k : keys)
        EXPECT_FALSE(SRegKey::Exists(SRegRoot::ClassesRoot, k.path)) << k.path;
    EXPECT_FALSE(SRegKey::Exists(SRegRoot::ClassesRoot, ClassKey() + "\\InprocServer32"));
    list = SRegKey::OpenExisting(SRegRoot::LocalMachine, kEngineList);
    EXPECT_FALSE(list.HasValue("Vokrant"));
    EXPECT_TRUE(list.HasValue("Other"));
    std::uint32_t speed = 0;
    EXPECT_TRUE(SRegKey::OpenExisting(SRegRoot::CurrentUser, std::string(kSettingsKey) + "\\Global")
                    .ReadDword("Speed", &speed));
    EXPECT_EQ(speed, 120u);

    // Unregistering twice is harmless.
    EXPECT_EQ(host.unregisterServer(), S_OK);
}

}  // namespace
