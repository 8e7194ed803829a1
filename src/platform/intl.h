// The regional conventions ("intl" values), kept under
// HKEY_CURRENT_USER\Control Panel\International as sDecimal, sThousand, sDate
// and sShortDate. Missing values take the defaults below; nothing is written.
#pragma once

#include <string>

struct SIntlSettings {
    char decimalSeparator = ',';
    char thousandsSeparator = '.';
    char dateSeparator = '/';
    std::string shortDatePattern;  // at most 15 characters
};

// Reads an "intl" string value, or the default when it is missing.
std::string GetIntlString(const char* name, const char* defaultValue);

SIntlSettings ReadIntlSettings();
