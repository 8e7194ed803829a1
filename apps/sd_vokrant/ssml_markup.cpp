#include "ssml_markup.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

#include "platform/codepage.h"

namespace {

bool IsNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == ':' ||
           c == '.';
}

bool IsBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// "500ms", "1.5s", "2" (seconds) -> milliseconds up to `maxMs`; nullopt when unreadable.
std::optional<int> Milliseconds(const std::string& time, int maxMs) {
    char* end = nullptr;
    const double value = std::strtod(time.c_str(), &end);
    if (end == time.c_str() || !(value >= 0) || !std::isfinite(value)) return std::nullopt;
    const std::string unit(end);
    double ms = 0;
    if (unit == "ms")
        ms = value;
    else if (unit == "s" || unit.empty())
        ms = value * 1000;
    else
        return std::nullopt;
    return static_cast<int>(std::min<double>(ms, maxMs));
}

// Reads one attribute at `i` into the element; false when the markup is not one.
bool ParseAttribute(std::string_view inside, size_t& i, SElement& element) {
    const size_t nameStart = i;
    while (i < inside.size() && IsNameChar(inside[i])) ++i;
    if (i == nameStart) return false;
    std::string name(inside.substr(nameStart, i - nameStart));
    while (i < inside.size() && inside[i] == ' ') ++i;
    if (i >= inside.size() || inside[i] != '=') return false;
    ++i;
    while (i < inside.size() && inside[i] == ' ') ++i;
    if (i >= inside.size() || (inside[i] != '"' && inside[i] != '\'')) return false;
    const char quote = inside[i++];
    const size_t valueEnd = inside.find(quote, i);
    if (valueEnd == std::string_view::npos) return false;
    element.attributes[name] = DecodeEntities(inside.substr(i, valueEnd - i));
    i = valueEnd + 1;
    return true;
}

}  // namespace

size_t DecodeEntity(std::string_view text, size_t at, std::string& out) {
    // Only the few bytes an entity can span are looked at: a '&' without a
    // near ';' is text, however long the rest of the message.
    const std::string_view window = text.substr(at, kMaxEntityBytes + 1);
    const size_t end = window.find(';');
    if (end == std::string_view::npos) return 0;
    const std::string_view name = window.substr(1, end - 1);
    static const std::pair<std::string_view, char> kNamed[] = {
        {"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"quot", '"'}, {"apos", '\''}};
    for (const auto& [entity, c] : kNamed)
        if (name == entity) return out += c, end + 1;
    if (name.size() < 2 || name[0] != '#') return 0;
    const bool hex = name[1] == 'x' || name[1] == 'X';
    const std::string_view digits = name.substr(hex ? 2 : 1);
    if (digits.empty() || digits.size() > 7) return 0;
    unsigned long code = 0;
    for (char c : digits) {
        const int digit = c >= '0' && c <= '9'          ? c - '0'
                          : hex && c >= 'a' && c <= 'f' ? c - 'a' + 10
                          : hex && c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                        : -1;
        if (digit < 0) return 0;
        code = code * (hex ? 16 : 10) + static_cast<unsigned long>(digit);
    }
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    AppendUtf8(out, static_cast<char32_t>(code));
    return end + 1;
}

std::string DecodeEntities(std::string_view text) {
    std::string decoded;
    decoded.reserve(text.size());
    size_t semicolon = 0;  // the first ';' at or after the '&' in hand
    for (size_t at = 0; at < text.size();) {
        const size_t amp = std::min(text.find('&', at), text.size());
        decoded.append(text, at, amp - at);
        if (amp == text.size()) break;
        if (semicolon < amp) semicolon = std::min(text.find(';', amp), text.size());
        if (semicolon - amp > kMaxEntityBytes) {
            // No '&' before this point ends near enough to be an entity.
            const size_t plain = semicolon == text.size() ? semicolon : semicolon - kMaxEntityBytes;
            decoded.append(text, amp, plain - amp);
            at = plain;
            continue;
        }
        const size_t length = DecodeEntity(text, amp, decoded);
        if (length == 0) decoded += '&';
        at = amp + std::max<size_t>(length, 1);
    }
    return decoded;
}

std::optional<SElement> ParseElement(std::string_view inside) {
    SElement element;
    size_t i = 0;
    if (i < inside.size() && inside[i] == '/') element.closing = true, ++i;
    if (!inside.empty() && inside.back() == '/') element.empty = true, inside.remove_suffix(1);
    const size_t nameStart = i;
    if (i >= inside.size() ||
        !(std::isalpha(static_cast<unsigned char>(inside[i])) || inside[i] == '_'))
        return std::nullopt;
    while (i < inside.size() && IsNameChar(inside[i])) ++i;
    element.name = std::string(inside.substr(nameStart, i - nameStart));
    for (;;) {
        while (i < inside.size() && IsBlank(inside[i])) ++i;
        if (i >= inside.size()) return element;
        if (!ParseAttribute(inside, i, element)) return std::nullopt;
    }
}

int BreakMilliseconds(const SElement& element, int maxMs) {
    if (auto time = element.attributes.find("time"); time != element.attributes.end())
        if (auto ms = Milliseconds(time->second, maxMs)) return *ms;
    static const std::pair<const char*, int> kStrengths[] = {{"none", 0},     {"x-weak", 100},
                                                             {"weak", 200},   {"medium", 400},
                                                             {"strong", 700}, {"x-strong", 1000}};
    if (auto strength = element.attributes.find("strength"); strength != element.attributes.end())
        for (const auto& [name, ms] : kStrengths)
            if (strength->second == name) return ms;
    return 400;
}

double ProsodyFactor(const std::string& value, const std::pair<const char*, double>* keywords,
                     size_t count) {
    for (size_t i = 0; i < count; ++i)
        if (value == keywords[i].first) return keywords[i].second;
    char* end = nullptr;
    const double number = std::strtod(value.c_str(), &end);
    if (end == value.c_str() || !std::isfinite(number)) return 1.0;
    if (std::string(end) == "%")
        return value[0] == '+' || value[0] == '-' ? 1.0 + number / 100 : number / 100;
    return std::string(end).empty() ? number : 1.0;
}
