// What a registry key does the same on every system: opening a subkey or an
// existing key, the names it accepts, its typed values (on the system's own
// ReadValue and Apply) and the recursive delete (on DeleteKey).
#include "platform/reg_key.h"

#include <cstdint>
#include <cstdlib>

namespace {

// A decimal (or 0x hex) number, optionally signed, and nothing else.
bool ParseNumber(const std::string& text, uint32_t* value) {
    if (text.empty() || text.size() > 16) return false;
    char* end = nullptr;
    long long n = std::strtoll(text.c_str(), &end, 0);
    if (*end != '\0' || n < INT32_MIN || n > UINT32_MAX) return false;
    *value = static_cast<uint32_t>(n);
    return true;
}

}  // namespace

SRegKey::SRegKey(SRegRoot root, const std::string& path) : SRegKey(root, path, true) {}

SRegKey::SRegKey(const SRegKey& parent, const std::string& subkey)
    : SRegKey(parent.root_, parent.path_ + "\\" + subkey, parent.open_) {
    if (!parent.open_) open_ = false;
}

SRegKey SRegKey::OpenExisting(SRegRoot root, const std::string& path) {
    return SRegKey(root, path, false);
}

bool SRegKey::Exists(SRegRoot root, const std::string& path) {
    return OpenExisting(root, path).IsOpen();
}

bool SRegKey::Valid(const std::string& name) const {
    // Line breaks cannot travel in a key or value name of the Linux hive
    // file; Windows keys refuse them as well, so a name behaves alike on both.
    return name.find_first_of(std::string("\r\n\0", 3)) == std::string::npos;
}

bool SRegKey::HasValue(const std::string& name) const {
    SRegValue value;
    return ReadValue(name, &value);
}

bool SRegKey::ReadString(const std::string& name, std::string* out) const {
    SRegValue value;
    if (!ReadValue(name, &value) || value.type != kRegSz) return false;
    *out = value.data;
    return true;
}

bool SRegKey::ReadDword(const std::string& name, uint32_t* out) const {
    SRegValue value;
    if (!ReadValue(name, &value)) return false;
    if (value.type == kRegSz) return ParseNumber(value.data, out);
    if (value.data.empty() || value.data.size() > 4) return false;
    uint32_t n = 0;
    for (size_t i = value.data.size(); i-- > 0;)
        n = (n << 8) | static_cast<unsigned char>(value.data[i]);
    *out = n;
    return true;
}

bool SRegKey::ReadBinary(const std::string& name, std::string* bytes) const {
    SRegValue value;
    if (!ReadValue(name, &value)) return false;
    *bytes = value.data;
    return true;
}

std::string SRegKey::GetString(const std::string& name, const std::string& defaultValue) {
    std::string value;
    if (ReadString(name, &value)) return value;
    if (!HasValue(name)) SetString(name, defaultValue);
    return defaultValue;
}

std::string SRegKey::GetPath(const std::string& name, const std::string& defaultValue) {
    std::string value;
    if (ReadPath(name, &value)) return value;
    if (!HasValue(name)) SetPath(name, defaultValue);
    return defaultValue;
}

uint32_t SRegKey::GetDword(const std::string& name, uint32_t defaultValue) {
    uint32_t value;
    if (ReadDword(name, &value)) return value;
    if (!HasValue(name)) SetDword(name, defaultValue);
    return defaultValue;
}

bool SRegKey::SetString(const std::string& name, const std::string& value) {
    if (!Valid(name)) return false;
    return Apply({SRegOp::SetValue, "", {name, kRegSz, value}});
}

bool SRegKey::SetDword(const std::string& name, uint32_t value) {
    if (!Valid(name)) return false;
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    return Apply({SRegOp::SetValue, "", {name, kRegDword, bytes}});
}

bool SRegKey::SetBinary(const std::string& name, const void* data, size_t size) {
    if (!Valid(name) || (!data && size > 0)) return false;
    std::string bytes(static_cast<const char*>(data), size);
    return Apply({SRegOp::SetValue, "", {name, kRegBinary, bytes}});
}

bool SRegKey::DeleteValue(const std::string& name) {
    if (!HasValue(name)) return false;
    return Apply({SRegOp::DeleteValue, "", {name, kRegSz, ""}});
}

bool SRegKey::DeleteKeyRecursive() {
    if (!open_) return false;
    std::vector<std::string> children = SubkeyNames();
    for (size_t i = children.size(); i-- > 0;) SRegKey(*this, children[i]).DeleteKeyRecursive();
    return DeleteKey();
}
