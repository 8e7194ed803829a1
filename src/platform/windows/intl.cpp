// Regional conventions from the system: the "intl" profile strings and the
// user's locale.
#include "platform/intl.h"

#include <windows.h>

namespace {

constexpr size_t kMaxShortDate = 15;

char FirstChar(const std::string& text) {
    return text.empty() ? '\0' : text[0];
}

std::string LocaleString(LCTYPE type, const char* defaultValue) {
    char buffer[80];
    int length = GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buffer, sizeof buffer);
    if (length <= 1) return defaultValue;
    return std::string(buffer, static_cast<size_t>(length - 1));
}

}  // namespace

std::string GetIntlString(const char* name, const char* defaultValue) {
    char buffer[80];
    DWORD length =
        GetProfileStringA("intl", name, defaultValue ? defaultValue : "", buffer, sizeof buffer);
    return std::string(buffer, length);
}

SIntlSettings ReadIntlSettings() {
    SIntlSettings intl;
    intl.decimalSeparator = FirstChar(LocaleString(LOCALE_SDECIMAL, ","));
    intl.thousandsSeparator = FirstChar(LocaleString(LOCALE_STHOUSAND, "."));
    intl.dateSeparator = FirstChar(LocaleString(LOCALE_SDATE, "/"));
    intl.shortDatePattern = LocaleString(LOCALE_SSHORTDATE, "").substr(0, kMaxShortDate);
    return intl;
}
