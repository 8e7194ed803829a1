// The conversions that read the same on every system: they rest on the
// per-character mapping each system's codepage.cpp provides.
#include "platform/codepage.h"

namespace {

template <typename Convert>
std::string Utf16ToCp1250With(std::u16string_view text, Convert convert) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char16_t u = text[i];
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            ++i;  // one character outside the code page: one '?'
            out += '?';
            continue;
        }
        out += convert(u);
    }
    return out;
}

}  // namespace

char UnicodeToCp1250BestFit(char32_t c) {
    switch (c) {
        case 0x2212:
            return '-';
        case 0x202F:
        case 0x2007:
            return '\xA0';
        case 0x2009:
            return ' ';
        case 0x00B2:  // "m²", "m³": the units are written "m2", "m3" too
            return '2';
        case 0x00B3:
            return '3';
        default:
            return UnicodeToCp1250(c);
    }
}

std::string Utf16ToCp1250(std::u16string_view text) {
    return Utf16ToCp1250With(text, [](char16_t u) { return UnicodeToCp1250(u); });
}

std::string Utf16ToCp1250BestFit(std::u16string_view text) {
    return Utf16ToCp1250With(text, [](char16_t u) { return UnicodeToCp1250BestFit(u); });
}

std::string Utf8ToCp1250BestFit(std::string_view text) {
    return Utf16ToCp1250BestFit(Utf8ToUtf16(text));
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}
