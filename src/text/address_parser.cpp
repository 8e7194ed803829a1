#include "text/address_parser.h"

#include <cstring>
#include <string_view>

#include "resources/address_words.h"

namespace {

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsAlnum(char c) {
    return IsAsciiLetter(c) || IsAsciiDigit(c);
}
bool IsHex(char c) {
    return c != '\0' && std::strchr("0123456789ABCDEFabcdef", c) != nullptr;
}
bool OneOf(char c, const char* set) {
    return c != '\0' && std::strchr(set, c) != nullptr;
}

// Reads the token through positions; past its end every character is NUL.
class SScanner {
public:
    explicit SScanner(const std::string& text) : text_(text) {}
    char At(size_t i) const { return i < text_.size() ? text_[i] : '\0'; }

    bool IsPlain(size_t i) const {
        char c = At(i);
        if (IsAlnum(c) || OneOf(c, "$-_.+") || OneOf(c, "!*'(),")) return true;
        return c == '%' && IsHex(At(i + 1)) && IsHex(At(i + 2));
    }
    bool IsUserChar(size_t i) const { return IsPlain(i) || OneOf(At(i), "&;=?"); }
    bool IsPathChar(size_t i) const { return IsPlain(i) || OneOf(At(i), "~{}%^[]!@#&$%'`=;"); }

private:
    const std::string& text_;
};

uint32_t ReadUnsigned(const SScanner& s, size_t& i) {
    uint64_t value = 0;
    while (IsAsciiDigit(s.At(i))) {
        if (value < 0xFFFFFFFFull) value = value * 10 + (s.At(i) - '0');
        ++i;
    }
    return value > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<uint32_t>(value);
}

// Labels of letters, digits and inner hyphens joined by dots; the last one
// must start with a letter. Returns the end of the host, or `start` on failure.
size_t ParseHostName(const SScanner& s, size_t start) {
    size_t i = start;
    size_t lastLabel = start;
    for (;;) {
        if (!IsAlnum(s.At(i))) return start;
        lastLabel = i;
        while (IsAlnum(s.At(i)) || s.At(i) == '-') ++i;
        while (s.At(i - 1) == '-') --i;  // a label does not end in '-'
        if (s.At(i) == '.' && IsAlnum(s.At(i + 1))) {
            ++i;
            continue;
        }
        return IsAsciiLetter(s.At(lastLabel)) ? i : start;
    }
}

size_t ParseIpAddress(const SScanner& s, size_t start, SUrlParts& parts) {
    size_t i = start;
    for (int n = 0; n < 4; ++n) {
        if (n > 0) {
            if (s.At(i) != '.') return start;
            ++i;
        }
        if (!IsAsciiDigit(s.At(i))) return start;
        parts.ip[n] = ReadUnsigned(s, i);
    }
    parts.isIpAddress = true;
    return i;
}

// Host name or IP address, then an optional ":port". Returns the end, or
// `start` when nothing parsed.
size_t ParseHostAndPort(const SScanner& s, const std::string& token, size_t start,
                        SUrlParts& parts) {
    size_t i = ParseHostName(s, start);
    if (i == start) i = ParseIpAddress(s, start, parts);
    if (i == start) return start;
    parts.host = token.substr(start, i - start);
    if (s.At(i) == ':') {
        size_t digits = i + 1;
        if (!IsAsciiDigit(s.At(digits))) return start;
        parts.port = static_cast<int32_t>(std::min<uint32_t>(ReadUnsigned(s, digits), INT32_MAX));
        i = digits;
    }
    return i;
}

size_t ParseUserAndHost(const SScanner& s, const std::string& token, size_t start,
                        SUrlParts& parts) {
    size_t i = start;
    while (s.IsUserChar(i)) ++i;
    if (i > start) {
        size_t userEnd = i, colon = std::string::npos;
        if (s.At(i) == ':') {
            colon = i++;
            while (s.IsUserChar(i)) ++i;
        }
        if (s.At(i) == '@') {
            parts.user = token.substr(start, (colon == std::string::npos ? i : userEnd) - start);
            if (colon != std::string::npos) parts.password = token.substr(colon + 1, i - colon - 1);
            start = i + 1;
        }
    }
    size_t end = ParseHostAndPort(s, token, start, parts);
    return end == start ? 0 : end;
}

// Path runs separated by slashes, then an optional "?query".
size_t ParsePathAndQuery(const SScanner& s, const std::string& token, size_t i, SUrlParts& parts) {
    if (s.At(i) == '/') {
        size_t begin = i;
        while (s.At(i) == '/' || s.IsPathChar(i)) ++i;
        parts.path = token.substr(begin, i - begin);
    }
    if (s.At(i) == '?') {
        size_t begin = ++i;
        while (s.IsPathChar(i)) ++i;
        parts.query = token.substr(begin, i - begin);
    }
    return i;
}

void FindScheme(SUrlParts& parts) {
    for (const SUrlScheme& scheme : UrlSchemeTable()) {
        size_t at = parts.token.find(scheme.prefix);
        if (at == std::string::npos) continue;
        // A scheme is read only where it opens the token.
        parts.schemeId = at == 0 ? scheme.id : -1;
        parts.schemeText = scheme.prefix;
        return;
    }
    size_t at = parts.token.find("://");
    if (at != std::string::npos && at != 0) {
        parts.schemeId = kUnknownSchemeId;
        parts.schemeText = parts.token.substr(0, at + 3);
    }
}

void FindDomains(SUrlParts& parts) {
    if (parts.isIpAddress) return;
    const std::string& host = parts.host;
    for (const char* domain : GenericDomainTable()) {
        size_t at = host.find(domain);
        if (at == std::string::npos) continue;
        size_t after = at + std::strlen(domain);
        if (after == host.size() ||
            (host[after] == '.' && host.find('.', after + 1) == std::string::npos))
            parts.genericDomain = domain;
        break;
    }
    size_t dot = host.rfind('.');
    if (dot != std::string::npos && host.size() - dot - 1 == 2) {
        std::string_view code(host.data() + dot + 1, 2);
        for (const char* known : CountryCodeTable())
            if (code == known) parts.hasCountryCode = true;
    }
}

}  // namespace

std::string AddressToken(const char* text) {
    size_t length = 0;
    for (char c = text[0]; c && c != ' ' && c != '\t' && c != '\r' && c != '\n'; c = text[length]) {
        // No address is this long; stop looking rather than copy the rest
        // of a text without blanks at every word.
        if (++length > kMaxAddressToken) return std::string();
    }
    return std::string(text, length);
}

SUrlParts ParseAddress(const std::string& token) {
    SUrlParts parts;
    parts.token = token;
    size_t dot = token.find('.');
    if (token.empty() || dot == std::string::npos || dot + 1 >= token.size()) return parts;
    FindScheme(parts);
    SScanner s(token);
    size_t end = 0;
    if (parts.schemeId == 1 || parts.schemeId == 2) {
        size_t start = parts.schemeText.size();
        end = ParseHostAndPort(s, token, start, parts);
        if (end == start || parts.host.empty()) return parts;
        end = ParsePathAndQuery(s, token, end, parts);
    } else if (parts.schemeId == 0) {
        end = ParseUserAndHost(s, token, 0, parts);
    }
    if (end == 0) return parts;
    FindDomains(parts);
    if (parts.schemeId == 0 && !parts.genericDomain && !parts.hasCountryCode && !parts.isIpAddress)
        return parts;
    parts.consumed = end;
    return parts;
}
