// The file-backed registry: values, keys, the text form, saves from two
// processes at once, and damaged files.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "config_dir.h"
#include "platform/log.h"
#include "platform/reg_hive.h"
#include "platform/reg_key.h"

namespace {

using RegistryTest = ScratchConfigTest;

TEST_F(RegistryTest, ValuesRoundTripThroughTheFile) {
    {
        SRegKey key(SRegRoot::CurrentUser, "Software\\Test");
        EXPECT_TRUE(
            key.SetString("Name", "Za\xBF\xF3\xB3\xE6 \"g\xEA\x9Cl\xB9\" ja\x9F\xF1 \\ C:\\"));
        EXPECT_TRUE(key.SetString("Lines", "one\r\ntwo"));
        EXPECT_TRUE(key.SetDword("Number", 0xDEADBEEF));
        std::string bytes(200, '\0');
        for (int i = 0; i < 200; ++i) bytes[i] = static_cast<char>(i);
        EXPECT_TRUE(key.SetBinary("Blob", bytes.data(), bytes.size()));
        EXPECT_TRUE(key.SetString("", "default"));
    }
    // Read back from the text alone.
    SRegHive hive;
    std::string error;
    ASSERT_TRUE(hive.Parse(ReadFile(UserHive()), "HKEY_CURRENT_USER", &error)) << error;
    const SRegKeyData* data = hive.FindKey("software\\TEST");
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->FindValue("name")->data,
              "Za\xBF\xF3\xB3\xE6 \"g\xEA\x9Cl\xB9\" ja\x9F\xF1 \\ C:\\");
    EXPECT_EQ(data->FindValue("Lines")->data, "one\r\ntwo");
    EXPECT_EQ(data->FindValue("Blob")->data.size(), 200u);
    EXPECT_EQ(static_cast<unsigned char>(data->FindValue("Blob")->data[199]), 199);
    EXPECT_EQ(data->FindValue("")->data, "default");

    SRegKey key(SRegRoot::CurrentUser, "SOFTWARE\\test");
    uint32_t n = 0;
    EXPECT_TRUE(key.ReadDword("Number", &n));
    EXPECT_EQ(n, 0xDEADBEEFu);
    // The file is UTF-8 text.
    EXPECT_NE(ReadFile(UserHive()).find("Za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87"), std::string::npos);
}

TEST_F(RegistryTest, DefaultsAreWrittenBackOnlyWhenMissing) {
    SRegKey key(SRegRoot::CurrentUser, "Software\\Test");
    EXPECT_EQ(key.GetString("S", "dflt"), "dflt");
    EXPECT_EQ(key.GetDword("D", 42), 42u);
    EXPECT_TRUE(key.HasValue("S"));
    EXPECT_TRUE(key.HasValue("D"));
    key.SetString("Typed", "not a number");
    EXPECT_EQ(key.GetDword("Typed", 7), 7u);
    std::string kept;
    EXPECT_TRUE(key.ReadString("Typed", &kept));  // the user's value survives
    EXPECT_EQ(kept, "not a number");
    key.SetString("Decimal", "120");
    EXPECT_EQ(key.GetDword("Decimal", 7), 120u);
}

TEST_F(RegistryTest, KeysAndDeletion) {
    SRegKey root(SRegRoot::CurrentUser, "Software\\Tree");
    SRegKey a(root, "A");
    SRegKey deep(a, "B\\C");
    deep.SetDword("x", 1);
    SRegKey(root, "A B").SetDword("y", 2);  // a sibling that sorts between A and its children
    EXPECT_EQ(root.SubkeyNames(), (std::vector<std::string>{"A", "A B"}));
    EXPECT_FALSE(a.DeleteKey()) << "a key with subkeys is not deleted alone";
    EXPECT_TRUE(deep.DeleteValue("x"));
    EXPECT_FALSE(deep.DeleteValue("x"));
    EXPECT_TRUE(a.DeleteKeyRecursive());
    EXPECT_FALSE(SRegKey::Exists(SRegRoot::CurrentUser, "Software\\Tree\\A\\B\\C"));
    EXPECT_FALSE(SRegKey::Exists(SRegRoot::CurrentUser, "Software\\Tree\\A"));
    EXPECT_TRUE(SRegKey::Exists(SRegRoot::CurrentUser, "Software\\Tree\\A B"));
    EXPECT_FALSE(SRegKey::OpenExisting(SRegRoot::CurrentUser, "Software\\Nope").IsOpen());
    EXPECT_FALSE(std::filesystem::exists(dir_ / "machine.reg"));
    SRegKey(SRegRoot::ClassesRoot, "CLSID\\{x}").SetString("", "v");
    EXPECT_TRUE(SRegKey::Exists(SRegRoot::LocalMachine, "Software\\Classes\\CLSID\\{x}"));
}

TEST_F(RegistryTest, TwoProcessesSavingAtOnceLoseNothing) {
    constexpr int kWriters = 2, kValues = 40;
    pid_t children[kWriters];
    for (int w = 0; w < kWriters; ++w) {
        children[w] = ::fork();
        ASSERT_GE(children[w], 0);
        if (children[w] == 0) {
            SRegKey key(SRegRoot::CurrentUser, "Software\\Shared");
            bool ok = true;
            for (int i = 0; i < kValues; ++i)
                ok = key.SetDword("w" + std::to_string(w) + "_" + std::to_string(i), i) && ok;
            ::_exit(ok ? 0 : 1);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    SRegKey key = SRegKey::OpenExisting(SRegRoot::CurrentUser, "Software\\Shared");
    ASSERT_TRUE(key.IsOpen());
    EXPECT_EQ(key.ValueNames().size(), static_cast<size_t>(kWriters * kValues));
    uint32_t v = 0;
    EXPECT_TRUE(key.ReadDword("w1_39", &v));
    EXPECT_EQ(v, 39u);
}

TEST_F(RegistryTest, DamagedFileIsReportedOnceAndSetAside) {
    const std::string garbage = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\X]\n\"broken=\n";
    { std::ofstream(UserHive(), std::ios::binary) << garbage; }
    std::string log;
    SLogWriter previous = SetLogWriter([&](const std::string& line) { log += line; });
    SRegKey key(SRegRoot::CurrentUser, "Software\\X");
    key.SetString("fresh", "1");
    EXPECT_EQ(key.GetString("fresh", ""), "1");
    SetLogWriter(previous);

    int reports = 0;
    for (size_t at = log.find("uszkodzony"); at != std::string::npos;
         at = log.find("uszkodzony", at + 1))
        ++reports;
    EXPECT_EQ(reports, 1) << log;
    int asideCount = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir_))
        if (entry.path().filename().string().starts_with("user.reg.damaged-")) {
            ++asideCount;
            EXPECT_EQ(ReadFile(entry.path().string()), garbage);
        }
    EXPECT_EQ(asideCount, 1);
}

TEST(RegHiveParse, RejectsWhatIsNotAHive) {
    const char* bad[] = {
        "not a hive\n",
        "REGEDIT4\n\"v\"=\"outside any key\"\n",
        "REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software]\n",
        "REGEDIT4\n[HKEY_CURRENT_USER\\K]\n\"v\"=dword:123456789\n",
        "REGEDIT4\n[HKEY_CURRENT_USER\\K]\n\"v\"=hex:0g\n",
        "REGEDIT4\n[HKEY_CURRENT_USER\\K]\n\"v\"=\"unterminated\n",
        "REGEDIT4\n[HKEY_CURRENT_USER\\K\n",
    };
    for (const char* text : bad) {
        SRegHive hive;
        std::string error;
        EXPECT_FALSE(hive.Parse(text, "HKEY_CURRENT_USER", &error)) << text;
        EXPECT_FALSE(error.empty());
    }
    SRegHive hive;
    std::string error;
    EXPECT_TRUE(
        hive.Parse("\xEF\xBB\xBFREGEDIT4\r\n; note\r\n[HKEY_CURRENT_USER\\K]\r\n"
                   "\"b\"=hex:01,02,\\\r\n  03\r\n@=\"d\"\r\n",
                   "HKEY_CURRENT_USER", &error))
        << error;
    EXPECT_EQ(hive.FindKey("K")->FindValue("b")->data, std::string("\x01\x02\x03"));
}

}  // namespace
