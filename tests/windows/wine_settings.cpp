// The Windows platform layer on the real (Wine) registry and system tables:
// the settings' first load writes every default; a damaged or wrong-typed
// value falls back to its default and is left as the user wrote it; code
// pages convert through the system; the voice data is found beside the program.
#include <windows.h>

#include <string>
#include <vector>

#include "check.h"
#include "core/attribute.h"
#include "platform/codepage.h"
#include "platform/intl.h"
#include "platform/paths.h"
#include "platform/reg_key.h"

namespace {

struct SExpectedValue {
    const char* subkey;
    const char* name;
    DWORD type;
};

// Every value the first load of the settings writes, with its registry type.
const SExpectedValue kDefaults[] = {
    {"Global", "WorkDir", REG_SZ},
    {"Dictionary", "ExtDict", REG_SZ},
    {"Dictionary", "UseExtDict", REG_SZ},
    {"Sound", "Volume", REG_DWORD},
    {"Sound", "Speed", REG_DWORD},
    {"Sound", "Pitch", REG_DWORD},
    {"Sound", "RealTime", REG_DWORD},
    {"Sound", "Intonation", REG_SZ},
    {"Sound", "IntonationDepth", REG_DWORD},
    {"Sound", "PauseInterSentence", REG_DWORD},
    {"Sound", "PausePunctation", REG_DWORD},
    {"Sound", "PauseInterWord", REG_DWORD},
    {"Sound", "PauseDoubleLetter", REG_DWORD},
    {"Conversions", "ConvertNumber", REG_SZ},
    {"Conversions", "ConvertSequence", REG_SZ},
    {"Conversions", "ConvertDate", REG_SZ},
    {"Conversions", "DateBySysFormat", REG_SZ},
    {"Conversions", "ConvertTime", REG_SZ},
    {"Conversions", "ColloquialTime", REG_SZ},
    {"Conversions", "24Hours", REG_SZ},
    {"Conversions", "ReadInterpunction", REG_SZ},
    {"Conversions", "ReadSeparators", REG_SZ},
    {"Conversions", "ConvertAbbrev", REG_SZ},
    {"Conversions", "AbbrevLimit", REG_DWORD},
    {"Conversions", "ConvertURL", REG_SZ},
    {"Conversions", "ConverteSymbol", REG_SZ},
    {"Conversions", "FluentSpeech", REG_SZ},
    {"Conversions", "ColloquialSpeech", REG_SZ},
    {"Conversions", "ForceTagSensitivity", REG_SZ},
};

std::string SettingsPath(const char* subkey) {
    return std::string(kSettingsKeyPath) + "\\" + subkey;
}

// Type and raw bytes of a value straight from the registry, or type 0 when missing.
struct SRawValue {
    DWORD type = 0;
    std::vector<BYTE> data;
    bool operator==(const SRawValue&) const = default;
};

SRawValue ReadRaw(const char* subkey, const char* name) {
    SRawValue value;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SettingsPath(subkey).c_str(), 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return value;
    DWORD size = 0;
    if (RegQueryValueExA(key, name, nullptr, &value.type, nullptr, &size) == ERROR_SUCCESS) {
        value.data.resize(size);
        RegQueryValueExA(key, name, nullptr, &value.type, value.data.data(), &size);
    }
    RegCloseKey(key);
    return value;
}

void WriteRaw(const char* subkey, const char* name, DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    CHECK(RegCreateKeyExA(HKEY_CURRENT_USER, SettingsPath(subkey).c_str(), 0, nullptr, 0, KEY_WRITE,
                          nullptr, &key, nullptr) == ERROR_SUCCESS);
    CHECK(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size) ==
          ERROR_SUCCESS);
    RegCloseKey(key);
}

void CheckFirstLoadWritesEveryDefault() {
    SRegKey::OpenExisting(SRegRoot::CurrentUser, kSettingsKeyPath).DeleteKeyRecursive();
    CHECK(!SRegKey::Exists(SRegRoot::CurrentUser, kSettingsKeyPath));
    SAttributeSAPI settings;
    for (const SExpectedValue& v : kDefaults)
        CHECK_NOTE(ReadRaw(v.subkey, v.name).type == v.type, std::string(v.subkey) + "\\" + v.name);
    CHECK(settings.workDir == DataDir());
    CHECK(settings.extDict == DataDir() + "client.exp");
    // A second load reads what the first wrote.
    SAttributeSAPI again;
    CHECK(again.speed == settings.speed && again.pitch == settings.pitch &&
          again.volume == settings.volume);
    CHECK(again.workDir == settings.workDir);
}

struct SDamage {
    const char* subkey;
    const char* name;
    DWORD type;
    std::string bytes;
};

void CheckDamagedValuesFallBackAndStay() {
    const SAttribute defaults;
    const SDamage damages[] = {
        {"Sound", "Speed", REG_SZ, std::string("szybko\0", 7)},   // not a number
        {"Sound", "Volume", REG_BINARY, std::string(8, '\x7F')},  // too long for a number
        {"Sound", "PauseInterWord", REG_SZ, std::string("", 1)},  // empty string
        {"Global", "WorkDir", REG_DWORD, std::string("\x01\x00\x00\x00", 4)},
        {"Dictionary", "ExtDict", REG_BINARY, std::string("\x01\x02", 2)},
    };
    std::vector<SRawValue> written;
    for (const SDamage& d : damages) {
        WriteRaw(d.subkey, d.name, d.type, d.bytes.data(), static_cast<DWORD>(d.bytes.size()));
        written.push_back(ReadRaw(d.subkey, d.name));
    }
    SAttributeSAPI settings;
    CHECK(settings.speed == defaults.speed);
    CHECK(settings.volume == defaults.volume);
    CHECK(settings.pauseInterWord == defaults.pauseInterWord);
    CHECK(settings.workDir == DataDir());
    CHECK(settings.extDict == DataDir() + "client.exp");
    for (size_t i = 0; i < std::size(damages); ++i)
        CHECK_NOTE(ReadRaw(damages[i].subkey, damages[i].name) == written[i],
                   std::string(damages[i].name) + " is left as it was");
}

void CheckCodePages() {
    struct SCase {
        const char* utf8;
        const char* cp1250;
    };
    const SCase cases[] = {
        {"Za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87 g\xC4\x99\xC5\x9Bl\xC4\x85 ja\xC5\xBA\xC5\x84",
         "Za\xBF\xF3\xB3\xE6 g\xEA\x9Cl\xB9 ja\x9F\xF1"},
        {"\xE2\x82\xAC 5", "\x80 5"},         // the euro sign
        {"\xC3\xA0 la carte", "? la carte"},  // no best-fit guess for a missing letter
        {"\xF0\x9F\x98\x80!", "?!"},          // outside the BMP: one '?'
        {"\xC2\x81", "?"},                    // a C1 control is not in the code page
    };
    for (const SCase& c : cases) {
        CHECK_NOTE(Utf8ToCp1250(c.utf8) == c.cp1250, c.utf8);
        std::string back = Cp1250ToUtf8(c.cp1250);
        if (std::string(c.cp1250).find('?') == std::string::npos)
            CHECK_NOTE(back == c.utf8, c.utf8);
    }
    CHECK(Cp1250ToUnicode(0x81) == 0xFFFD);
    CHECK(Cp1250ToUnicode(0xA5) == 0x0104);
    CHECK(Cp1250ToUtf16("\x81\xA5") == std::u16string(u"\uFFFD\u0104"));
    CHECK(UnicodeToCp1250(0x0144) == '\xF1');
    CHECK(UnicodeToCp1250(0x1F600) == '?');
}

void CheckPathsAndRegion() {
    char exe[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, exe, sizeof exe);
    std::string dir(exe, length);
    dir.erase(dir.find_last_of('\\') + 1);
    CHECK_NOTE(DataDir() == dir, DataDir());
    CHECK(WithTrailingSlash("C:\\voices") == "C:\\voices\\");
    CHECK(WithTrailingSlash("C:/voices/") == "C:/voices/");
    CHECK(HasDirectoryPart("C:client.exp") && HasDirectoryPart("dane\\client.exp") &&
          !HasDirectoryPart("client.exp"));
    SIntlSettings intl = ReadIntlSettings();
    CHECK(intl.decimalSeparator != '\0' && intl.dateSeparator != '\0');
    CHECK(intl.shortDatePattern.size() <= 15);
}

}  // namespace

int main() {
    CheckFirstLoadWritesEveryDefault();
    CheckDamagedValuesFallBackAndStay();
    CheckCodePages();
    CheckPathsAndRegion();
    return wine_check::Summary("wine_settings");
}
