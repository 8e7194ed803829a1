// Code-page conversions through the system's own tables: Windows-1250 for
// the engine, UTF-16 for the Speech API, UTF-8 for the command line.
#include "platform/codepage.h"

#include <windows.h>

#include <climits>

namespace {

constexpr UINT kCp1250 = 1250;
constexpr wchar_t kReplacement = 0xFFFD;

// MultiByteToWideChar from `codePage`; malformed UTF-8 becomes U+FFFD.
std::u16string ToWide(UINT codePage, std::string_view text) {
    if (text.empty() || text.size() > INT_MAX) return {};
    int length = static_cast<int>(text.size());
    int units = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    if (units <= 0) return std::u16string(text.size(), kReplacement);
    std::u16string out(static_cast<size_t>(units), u'\0');
    MultiByteToWideChar(codePage, 0, text.data(), length, reinterpret_cast<wchar_t*>(out.data()),
                        units);
    return out;
}

// WideCharToMultiByte to `codePage`. Windows-1250 takes no best-fit guesses:
// a character it lacks becomes '?'.
std::string FromWide(UINT codePage, std::u16string_view text) {
    if (text.empty() || text.size() > INT_MAX) return {};
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    int length = static_cast<int>(text.size());
    DWORD flags = codePage == kCp1250 ? WC_NO_BEST_FIT_CHARS : 0;
    const char* fallback = codePage == kCp1250 ? "?" : nullptr;
    int bytes = WideCharToMultiByte(codePage, flags, wide, length, nullptr, 0, fallback, nullptr);
    if (bytes <= 0) return std::string(text.size(), '?');
    std::string out(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(codePage, flags, wide, length, out.data(), bytes, fallback, nullptr);
    return out;
}

// Bytes the code page leaves undefined read as U+FFFD, as everywhere else.
bool IsUndefinedCp1250(unsigned char byte) {
    return byte == 0x81 || byte == 0x83 || byte == 0x88 || byte == 0x90 || byte == 0x98;
}

}  // namespace

char16_t Cp1250ToUnicode(unsigned char byte) {
    if (byte < 0x80) return byte;
    if (IsUndefinedCp1250(byte)) return kReplacement;
    char in = static_cast<char>(byte);
    wchar_t out = kReplacement;
    MultiByteToWideChar(kCp1250, 0, &in, 1, &out, 1);
    return static_cast<char16_t>(out);
}

char UnicodeToCp1250(char32_t c) {
    if (c == 0) return 0;
    if (c > 0xFFFF || c == kReplacement) return '?';
    if (c >= 0x80 && c < 0xA0) return '?';  // C1 controls: not characters of the code page
    std::u16string one(1, static_cast<char16_t>(c));
    std::string byte = FromWide(kCp1250, one);
    return byte.size() == 1 ? byte[0] : '?';
}

std::u16string Cp1250ToUtf16(std::string_view text) {
    std::u16string out = ToWide(kCp1250, text);
    if (out.size() != text.size()) return out;
    for (size_t i = 0; i < text.size(); ++i)
        if (IsUndefinedCp1250(static_cast<unsigned char>(text[i]))) out[i] = kReplacement;
    return out;
}

std::string Cp1250ToUtf8(std::string_view text) {
    return FromWide(CP_UTF8, Cp1250ToUtf16(text));
}

std::string Utf8ToCp1250(std::string_view text) {
    return Utf16ToCp1250(Utf8ToUtf16(text));
}

std::u16string Utf8ToUtf16(std::string_view text) {
    return ToWide(CP_UTF8, text);
}

std::string Utf16ToUtf8(std::u16string_view text) {
    return FromWide(CP_UTF8, text);
}
