// The regional conventions ("intl" values), kept under
// HKEY_CURRENT_USER\Control Panel\International as sDecimal, sThousand, sDate
// and sShortDate. Missing values take the defaults below; nothing is written.
#pragma once

#include <string>

struct SIntlSettings {
    char decimalSeparator = ',';
    char thousandsSeparator = '.';
    char dateSeparator = '/';
    std::string shortDatePattern;         // at most 15 characters
    bool dateSeparatorStored = false;     // sDate was found, not defaulted
    bool shortDatePatternStored = false;  // sShortDate was found, not defaulted
};

// Reads an "intl" string value, or the default when it is missing.
std::string GetIntlString(const char* name, const char* defaultValue);
// Whether the "intl" value is stored at all.
bool HasIntlString(const char* name);

SIntlSettings ReadIntlSettings();
