// Registry keys on the real registry. Each call opens the key for as long
// as it needs it, so a key object holds no handle and copies freely.
#include "platform/reg_key.h"

#include <windows.h>

#include <cstdlib>
#include <string>

#include "platform/codepage.h"

namespace {

HKEY RootHandle(SRegRoot root) {
    switch (root) {
        case SRegRoot::LocalMachine:
            return HKEY_LOCAL_MACHINE;
        case SRegRoot::ClassesRoot:
            return HKEY_CLASSES_ROOT;
        case SRegRoot::CurrentUser:
            break;
    }
    return HKEY_CURRENT_USER;
}

// Closes the handle when the scope ends.
class SOpenKey {
public:
    SOpenKey(SRegRoot root, const std::string& path, REGSAM access, bool create) {
        HKEY parent = RootHandle(root);
        LSTATUS status =
            create ? RegCreateKeyExA(parent, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                     access, nullptr, &key_, nullptr)
                   : RegOpenKeyExA(parent, path.c_str(), 0, access, &key_);
        if (status != ERROR_SUCCESS) key_ = nullptr;
    }
    ~SOpenKey() {
        if (key_ != nullptr) RegCloseKey(key_);
    }
    SOpenKey(const SOpenKey&) = delete;
    SOpenKey& operator=(const SOpenKey&) = delete;

    HKEY get() const { return key_; }
    explicit operator bool() const { return key_ != nullptr; }

private:
    HKEY key_ = nullptr;
};

struct SRawValue {
    DWORD type = 0;
    std::string data;
};

bool QueryValue(HKEY key, const std::string& name, SRawValue* value) {
    DWORD size = 0;
    if (RegQueryValueExA(key, name.c_str(), nullptr, &value->type, nullptr, &size) != ERROR_SUCCESS)
        return false;
    // The value may grow between the two calls; try again a few times.
    for (int attempt = 0; attempt < 4; ++attempt) {
        value->data.assign(size, '\0');
        DWORD got = size;
        LSTATUS status = RegQueryValueExA(key, name.c_str(), nullptr, &value->type,
                                          reinterpret_cast<BYTE*>(value->data.data()), &got);
        if (status == ERROR_SUCCESS) {
            value->data.resize(got);
            return true;
        }
        if (status != ERROR_MORE_DATA) return false;
        size = got;
    }
    return false;
}

}  // namespace

SRegKey::SRegKey(SRegRoot root, const std::string& path, bool create)
    : root_(root), path_(NormaliseKeyPath(path)) {
    if (path_.empty() || !Valid(path_)) return;
    SOpenKey key(root_, path_, KEY_READ | (create ? KEY_WRITE : 0), create);
    open_ = static_cast<bool>(key);
}

bool SRegKey::Apply(const SRegOp& op) {
    if (!open_) return false;
    SOpenKey key(root_, path_, KEY_READ | KEY_WRITE, false);
    if (!key) return false;
    const SRegValue& v = op.value;
    switch (op.kind) {
        case SRegOp::SetValue: {
            std::string bytes = v.data;
            if (v.type == kRegSz) bytes.push_back('\0');
            return RegSetValueExA(key.get(), v.name.c_str(), 0, v.type,
                                  reinterpret_cast<const BYTE*>(bytes.data()),
                                  static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
        }
        case SRegOp::DeleteValue:
            return RegDeleteValueA(key.get(), v.name.c_str()) == ERROR_SUCCESS;
        case SRegOp::CreateKey:
            return true;
        case SRegOp::DeleteTree:
            break;
    }
    return false;
}

bool SRegKey::ReadValue(const std::string& name, SRegValue* value) const {
    if (!open_) return false;
    SOpenKey key(root_, path_, KEY_READ, false);
    SRawValue raw;
    if (!key || !QueryValue(key.get(), name, &raw)) return false;
    value->name = name;
    value->type = raw.type;
    value->data = std::move(raw.data);
    if (value->type == REG_SZ || value->type == REG_EXPAND_SZ) {
        value->type = kRegSz;
        while (!value->data.empty() && value->data.back() == '\0') value->data.pop_back();
    }
    return true;
}

bool SRegKey::DeleteKey() {
    if (!open_ || !SubkeyNames().empty()) return false;
    std::string::size_type slash = path_.find_last_of('\\');
    std::string parentPath = slash == std::string::npos ? std::string() : path_.substr(0, slash);
    std::string name = slash == std::string::npos ? path_ : path_.substr(slash + 1);
    bool ok = false;
    if (parentPath.empty()) {
        ok = RegDeleteKeyA(RootHandle(root_), name.c_str()) == ERROR_SUCCESS;
    } else {
        SOpenKey parent(root_, parentPath, KEY_READ | KEY_WRITE, false);
        ok = parent && RegDeleteKeyA(parent.get(), name.c_str()) == ERROR_SUCCESS;
    }
    open_ = false;
    return ok;
}

std::vector<std::string> SRegKey::SubkeyNames() const {
    std::vector<std::string> names;
    if (!open_) return names;
    SOpenKey key(root_, path_, KEY_READ, false);
    if (!key) return names;
    char name[256];
    for (DWORD index = 0;; ++index) {
        DWORD length = sizeof name;
        if (RegEnumKeyExA(key.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        names.emplace_back(name, length);
    }
    return names;
}

std::vector<std::string> SRegKey::ValueNames() const {
    std::vector<std::string> names;
    if (!open_) return names;
    SOpenKey key(root_, path_, KEY_READ, false);
    if (!key) return names;
    char name[16384];
    for (DWORD index = 0;; ++index) {
        DWORD length = sizeof name;
        if (RegEnumValueA(key.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        names.emplace_back(name, length);
    }
    return names;
}

// Names go through the wide calls, so a folder named in any script survives
// (the ANSI calls would turn what the code page lacks into '?').
bool SRegKey::ReadPath(const std::string& name, std::string* value) const {
    if (!open_ || !Valid(name)) return false;
    SOpenKey key(root_, path_, KEY_READ, false);
    if (!key) return false;
    const std::wstring wideName(name.begin(), name.end());
    DWORD type = 0, size = 0;
    if (RegQueryValueExW(key.get(), wideName.c_str(), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return false;
    std::u16string wide(size / sizeof(char16_t) + 1, u'\0');
    DWORD got = static_cast<DWORD>(wide.size() * sizeof(char16_t));
    if (RegQueryValueExW(key.get(), wideName.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(wide.data()), &got) != ERROR_SUCCESS)
        return false;
    wide.resize(got / sizeof(char16_t));
    while (!wide.empty() && wide.back() == u'\0') wide.pop_back();
    *value = Utf16ToUtf8(wide);
    return true;
}

bool SRegKey::SetPath(const std::string& name, const std::string& value) {
    if (!open_ || !Valid(name) || value.find('\0') != std::string::npos) return false;
    SOpenKey key(root_, path_, KEY_READ | KEY_WRITE, false);
    if (!key) return false;
    const std::wstring wideName(name.begin(), name.end());
    std::u16string wide = Utf8ToUtf16(value);
    return RegSetValueExW(
               key.get(), wideName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(wide.c_str()),
               static_cast<DWORD>((wide.size() + 1) * sizeof(char16_t))) == ERROR_SUCCESS;
}
