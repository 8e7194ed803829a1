#include "platform/reg_hive.h"

#include <cstdio>

#include "platform/codepage.h"

namespace {

char FoldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string Fold(std::string_view text) {
    std::string folded(text);
    for (char& c : folded) c = FoldAscii(c);
    return folded;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
    return true;
}

bool HasLineBreakOrNul(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

// ---- writing ----

std::string QuoteUtf8(std::string_view cp1250) {
    std::string out = "\"";
    for (char c : Cp1250ToUtf8(cp1250)) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    return out + "\"";
}

std::string HexData(std::string_view prefix, std::string_view bytes) {
    std::string out(prefix);
    size_t column = out.size() + 2;  // the value name precedes it
    for (size_t i = 0; i < bytes.size(); ++i) {
        char hex[4];
        std::snprintf(hex, sizeof hex, "%02x", static_cast<unsigned char>(bytes[i]));
        out += hex;
        column += 2;
        if (i + 1 < bytes.size()) {
            out += ',';
            ++column;
            if (column > 76) {
                out += "\\\n  ";
                column = 2;
            }
        }
    }
    return out;
}

std::string FormatData(const SRegValue& value) {
    if (value.type == kRegSz && !HasLineBreakOrNul(value.data)) return QuoteUtf8(value.data);
    if (value.type == kRegDword && value.data.size() == 4) {
        uint32_t n = 0;
        for (int i = 3; i >= 0; --i) n = (n << 8) | static_cast<unsigned char>(value.data[i]);
        char text[20];
        std::snprintf(text, sizeof text, "dword:%08x", n);
        return text;
    }
    if (value.type == kRegBinary) return HexData("hex:", value.data);
    char prefix[24];
    std::snprintf(prefix, sizeof prefix, "hex(%x):", value.type);
    return HexData(prefix, value.data);
}

// ---- reading ----

struct Cursor {
    std::string_view text;
    size_t pos = 0;
    bool AtEnd() const { return pos >= text.size(); }
    char Peek() const { return AtEnd() ? '\0' : text[pos]; }
};

// A quoted string with \\ and \" escapes; returns Windows-1250 bytes.
bool ReadQuoted(Cursor& in, std::string* out) {
    if (in.Peek() != '"') return false;
    ++in.pos;
    std::string utf8;
    while (!in.AtEnd()) {
        char c = in.text[in.pos++];
        if (c == '"') {
            *out = Utf8ToCp1250(utf8);
            return true;
        }
        if (c == '\\') {
            if (in.AtEnd()) return false;
            c = in.text[in.pos++];
        }
        utf8 += c;
    }
    return false;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = FoldAscii(c);
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool ReadHexBytes(std::string_view text, std::string* out) {
    out->clear();
    size_t i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    };
    skipBlanks();
    while (i < text.size()) {
        if (i + 1 >= text.size()) return false;
        int hi = HexDigit(text[i]), lo = HexDigit(text[i + 1]);
        if (hi < 0 || lo < 0) return false;
        out->push_back(static_cast<char>(hi * 16 + lo));
        i += 2;
        skipBlanks();
        if (i == text.size()) break;
        if (text[i] != ',') return false;
        ++i;
        skipBlanks();
    }
    return true;
}

bool ReadData(std::string_view text, SRegValue* value) {
    Cursor in{text};
    if (text.starts_with('"')) {
        value->type = kRegSz;
        return ReadQuoted(in, &value->data) && in.pos == text.size();
    }
    if (text.starts_with("dword:")) {
        std::string_view digits = text.substr(6);
        if (digits.empty() || digits.size() > 8) return false;
        uint32_t n = 0;
        for (char c : digits) {
            int d = HexDigit(c);
            if (d < 0) return false;
            n = n * 16 + static_cast<uint32_t>(d);
        }
        value->type = kRegDword;
        value->data.assign(4, '\0');
        for (int i = 0; i < 4; ++i) value->data[i] = static_cast<char>((n >> (8 * i)) & 0xFF);
        return true;
    }
    if (text.starts_with("hex:")) {
        value->type = kRegBinary;
        return ReadHexBytes(text.substr(4), &value->data);
    }
    if (text.starts_with("hex(")) {
        size_t close = text.find("):");
        if (close == std::string_view::npos || close == 4 || close > 12) return false;
        uint32_t type = 0;
        for (char c : text.substr(4, close - 4)) {
            int d = HexDigit(c);
            if (d < 0) return false;
            type = type * 16 + static_cast<uint32_t>(d);
        }
        value->type = type;
        return ReadHexBytes(text.substr(close + 2), &value->data);
    }
    return false;
}

// True when the line holds a value whose data is in hex form, which may go on
// over several lines, each but the last ending with a backslash.
bool IsHexValueLine(std::string_view line) {
    Cursor in{line};
    std::string name;
    if (line.starts_with('@'))
        in.pos = 1;
    else if (!ReadQuoted(in, &name))
        return false;
    return line.substr(in.pos).starts_with("=hex");
}

// Splits into logical lines (number of the first physical line, text): CR
// stripped, continued hex data joined.
std::vector<std::pair<int, std::string>> LogicalLines(std::string_view text) {
    std::vector<std::pair<int, std::string>> lines;
    bool continuing = false;
    int number = 0;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string line(text.substr(start, end - start));
        start = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (continuing) {
            size_t first = line.find_first_not_of(" \t");
            lines.back().second += first == std::string::npos ? "" : line.substr(first);
        } else {
            lines.emplace_back(number, line);
        }
        std::string& logical = lines.back().second;
        continuing = !logical.empty() && logical.back() == '\\' && IsHexValueLine(logical);
        if (continuing) logical.pop_back();
    }
    return lines;
}

}  // namespace

const SRegValue* SRegKeyData::FindValue(std::string_view name) const {
    for (const SRegValue& value : values)
        if (SameName(value.name, name)) return &value;
    return nullptr;
}

std::string NormaliseKeyPath(std::string_view path) {
    std::string out;
    for (char c : path) {
        if (c == '\\' && (out.empty() || out.back() == '\\')) continue;
        out += c;
    }
    if (!out.empty() && out.back() == '\\') out.pop_back();
    return out;
}

const SRegKeyData* SRegHive::FindKey(std::string_view path) const {
    auto it = keys_.find(Fold(NormaliseKeyPath(path)));
    return it == keys_.end() ? nullptr : &it->second;
}

SRegKeyData& SRegHive::CreateKey(std::string_view rawPath) {
    std::string path = NormaliseKeyPath(rawPath);
    size_t slash = path.rfind('\\');
    if (slash != std::string::npos) CreateKey(std::string_view(path).substr(0, slash));
    SRegKeyData& key = keys_[Fold(path)];
    if (key.path.empty()) key.path = path;
    return key;
}

bool SRegHive::DeleteTree(std::string_view rawPath) {
    std::string folded = Fold(NormaliseKeyPath(rawPath));
    if (folded.empty() || keys_.erase(folded) == 0) return false;
    // Children sort together after the prefix (siblings such as "a b" sort elsewhere).
    std::string prefix = folded + '\\';
    for (auto child = keys_.lower_bound(prefix);
         child != keys_.end() && child->first.starts_with(prefix);)
        child = keys_.erase(child);
    return true;
}

std::vector<std::string> SRegHive::SubkeyNames(std::string_view rawPath) const {
    std::string folded = Fold(NormaliseKeyPath(rawPath));
    std::string prefix = folded.empty() ? "" : folded + '\\';
    std::vector<std::string> names;
    for (auto it = keys_.lower_bound(prefix); it != keys_.end() && it->first.starts_with(prefix);
         ++it) {
        std::string_view rest = std::string_view(it->second.path).substr(prefix.size());
        if (!rest.empty() && rest.find('\\') == std::string_view::npos) names.emplace_back(rest);
    }
    return names;
}

void SRegHive::SetValue(std::string_view path, const SRegValue& value) {
    SRegKeyData& key = CreateKey(path);
    for (SRegValue& existing : key.values)
        if (SameName(existing.name, value.name)) {
            existing.type = value.type;
            existing.data = value.data;
            return;
        }
    key.values.push_back(value);
}

bool SRegHive::DeleteValue(std::string_view path, std::string_view name) {
    auto it = keys_.find(Fold(NormaliseKeyPath(path)));
    if (it == keys_.end()) return false;
    auto& values = it->second.values;
    for (auto v = values.begin(); v != values.end(); ++v)
        if (SameName(v->name, name)) {
            values.erase(v);
            return true;
        }
    return false;
}

std::string SRegHive::Format(std::string_view rootName) const {
    std::string out = "REGEDIT4\n";
    for (const auto& [folded, key] : keys_) {
        out += "\n[" + std::string(rootName) + "\\" + Cp1250ToUtf8(key.path) + "]\n";
        for (const SRegValue& value : key.values) {
            out += value.name.empty() ? std::string("@") : QuoteUtf8(value.name);
            out += '=' + FormatData(value) + '\n';
        }
    }
    return out;
}

bool SRegHive::Parse(std::string_view text, std::string_view rootName, std::string* error) {
    auto fail = [&](int line, const char* why) {
        if (error) *error = "line " + std::to_string(line) + ": " + why;
        return false;
    };
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    SRegHive parsed;
    std::string current;
    bool header = false, inKey = false;
    const std::string rootPrefix = std::string(rootName) + "\\";
    for (auto& [number, line] : LogicalLines(text)) {
        if (line.empty() || line[0] == ';') continue;
        if (!header) {
            if (line != "REGEDIT4") return fail(number, "the file does not begin with REGEDIT4");
            header = true;
            continue;
        }
        if (line[0] == '[') {
            if (line.back() != ']') return fail(number, "unterminated key name");
            std::string name = Utf8ToCp1250(std::string_view(line).substr(1, line.size() - 2));
            if (SameName(name, rootName)) {
                current.clear();
            } else if (name.size() > rootPrefix.size() &&
                       SameName(std::string_view(name).substr(0, rootPrefix.size()), rootPrefix)) {
                current = NormaliseKeyPath(std::string_view(name).substr(rootPrefix.size()));
            } else {
                return fail(number, "key outside this hive");
            }
            if (!current.empty()) parsed.CreateKey(current);
            inKey = true;
            continue;
        }
        if (!inKey) return fail(number, "value outside any key");
        SRegValue value;
        Cursor in{line};
        if (line[0] == '@') {
            in.pos = 1;
        } else if (!ReadQuoted(in, &value.name)) {
            return fail(number, "malformed value name");
        }
        if (in.Peek() != '=') return fail(number, "missing '='");
        if (!ReadData(std::string_view(line).substr(in.pos + 1), &value))
            return fail(number, "malformed value data");
        if (current.empty()) return fail(number, "value on the hive root");
        parsed.SetValue(current, value);
    }
    if (!header && !text.empty()) return fail(1, "the file does not begin with REGEDIT4");
    *this = std::move(parsed);
    return true;
}
