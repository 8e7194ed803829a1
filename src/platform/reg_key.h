// A registry key object: open-or-create a key, read values with defaults
// (a missing value is written back with its default), write, delete.
// Names and strings are Windows-1250 bytes; key paths use backslashes.
// Errors are silent: a failed read gives the default, a failed write false.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/reg_store.h"

class SRegKey {
public:
    SRegKey() = default;
    // Opens the key, creating it (and its parents) when missing.
    SRegKey(SRegRoot root, const std::string& path);
    // Opens or creates a subkey of an open key.
    SRegKey(const SRegKey& parent, const std::string& subkey);
    // Opens an existing key; the result is not open when the key is missing.
    static SRegKey OpenExisting(SRegRoot root, const std::string& path);
    static bool Exists(SRegRoot root, const std::string& path);

    bool IsOpen() const { return open_; }
    const std::string& Path() const { return path_; }
    SRegRoot Root() const { return root_; }

    // Reads a string; when missing, writes the default and returns it. A value
    // of another form gives the default and is left as it is.
    std::string GetString(const std::string& name, const std::string& defaultValue);
    // Reads a 32-bit number (a number, up to 4 binary bytes, or a string holding
    // a decimal number); missing: as GetString.
    uint32_t GetDword(const std::string& name, uint32_t defaultValue);

    // A file or folder name in UTF-8, whatever its letters: on Windows read
    // and written through the wide calls, on Linux the bytes as stored. As
    // GetString, ReadString and SetString otherwise.
    std::string GetPath(const std::string& name, const std::string& defaultValue);
    bool ReadPath(const std::string& name, std::string* value) const;
    bool SetPath(const std::string& name, const std::string& value);

    // Reads without writing anything back. False when missing or of another form.
    bool ReadString(const std::string& name, std::string* value) const;
    bool ReadDword(const std::string& name, uint32_t* value) const;
    bool ReadBinary(const std::string& name, std::string* bytes) const;
    bool HasValue(const std::string& name) const;

    bool SetString(const std::string& name, const std::string& value);
    bool SetDword(const std::string& name, uint32_t value);
    bool SetBinary(const std::string& name, const void* data, size_t size);
    bool DeleteValue(const std::string& name);

    // Deletes this key from its parent; refused while it has subkeys.
    bool DeleteKey();
    // Deletes this key and everything below it, last subkey first.
    bool DeleteKeyRecursive();

    std::vector<std::string> SubkeyNames() const;
    std::vector<std::string> ValueNames() const;

private:
    SRegKey(SRegRoot root, const std::string& path, bool create);
    bool Apply(const SRegOp& op);
    bool ReadValue(const std::string& name, SRegValue* value) const;
    bool Valid(const std::string& name) const;

    SRegRoot root_ = SRegRoot::CurrentUser;
    std::string path_;
    bool open_ = false;
};
