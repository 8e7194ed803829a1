// One registry hive in memory, and its REGEDIT4 text form.
//
// Key paths are relative to the hive's root ("Software\\Dravenlab\\..."),
// separated by backslashes and compared without regard to ASCII case, as the
// registry does. Names and string data are Windows-1250 bytes in memory; the
// file is UTF-8 so that it can be read and edited as ordinary text.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

enum SRegType : uint32_t {
    kRegSz = 1,      // string
    kRegBinary = 3,  // bytes
    kRegDword = 4,   // 32-bit number, little-endian
};

struct SRegValue {
    std::string name;  // "" is the key's default value ("@" in the file)
    uint32_t type = kRegSz;
    std::string data;  // kRegSz: the string without terminator; else raw bytes
};

struct SRegKeyData {
    std::string path;  // as first created (case kept)
    std::vector<SRegValue> values;

    const SRegValue* FindValue(std::string_view name) const;
};

class SRegHive {
public:
    // Parses REGEDIT4 text whose key lines all begin with `rootName`
    // ("HKEY_CURRENT_USER"). On failure returns false, says why in *error
    // (line number and reason) and leaves the hive unchanged.
    bool Parse(std::string_view text, std::string_view rootName, std::string* error);
    std::string Format(std::string_view rootName) const;

    const SRegKeyData* FindKey(std::string_view path) const;
    // Creates the key and every missing ancestor. Returns it.
    SRegKeyData& CreateKey(std::string_view path);
    // Deletes the key and everything below it. False when it did not exist.
    bool DeleteTree(std::string_view path);
    // Names of the direct subkeys, in sorted order.
    std::vector<std::string> SubkeyNames(std::string_view path) const;

    void SetValue(std::string_view path, const SRegValue& value);
    bool DeleteValue(std::string_view path, std::string_view name);

    bool IsEmpty() const { return keys_.empty(); }

private:
    std::map<std::string, SRegKeyData> keys_;  // by folded path
};

// Normalises a key path: no leading, trailing or doubled backslashes.
std::string NormaliseKeyPath(std::string_view path);
