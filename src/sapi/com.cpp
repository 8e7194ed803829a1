#include "sapi/com.h"

#include <cstdio>

std::string GuidToString(REFGUID guid) {
    char text[40];
    std::snprintf(text, sizeof text, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  static_cast<unsigned>(guid.Data1), guid.Data2, guid.Data3, guid.Data4[0],
                  guid.Data4[1], guid.Data4[2], guid.Data4[3], guid.Data4[4], guid.Data4[5],
                  guid.Data4[6], guid.Data4[7]);
    return text;
}

namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Reads `digits` hex digits starting at text[pos]; false on any non-digit.
bool ReadHex(const std::string& text, std::size_t pos, int digits, std::uint32_t* value) {
    std::uint32_t v = 0;
    for (int i = 0; i < digits; ++i) {
        int d = HexValue(text[pos + i]);
        if (d < 0) return false;
        v = v * 16 + static_cast<std::uint32_t>(d);
    }
    *value = v;
    return true;
}

}  // namespace

bool GuidFromString(const std::string& text, GUID* guid) {
    if (text.size() != 38 || text.front() != '{' || text.back() != '}') return false;
    for (std::size_t dash : {9u, 14u, 19u, 24u})
        if (text[dash] != '-') return false;
    std::uint32_t v = 0;
    GUID g{};
    if (!ReadHex(text, 1, 8, &v)) return false;
    g.Data1 = v;
    if (!ReadHex(text, 10, 4, &v)) return false;
    g.Data2 = static_cast<WORD>(v);
    if (!ReadHex(text, 15, 4, &v)) return false;
    g.Data3 = static_cast<WORD>(v);
    static constexpr std::size_t kBytePos[8] = {20, 22, 25, 27, 29, 31, 33, 35};
    for (int i = 0; i < 8; ++i) {
        if (!ReadHex(text, kBytePos[i], 2, &v)) return false;
        g.Data4[i] = static_cast<BYTE>(v);
    }
    *guid = g;
    return true;
}
