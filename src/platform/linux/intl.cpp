#include "platform/intl.h"

#include "platform/reg_key.h"

namespace {

constexpr const char* kIntlKey = "Control Panel\\International";
constexpr size_t kMaxShortDate = 15;

char FirstChar(const std::string& text) {
    return text.empty() ? '\0' : text[0];
}

}  // namespace

std::string GetIntlString(const char* name, const char* defaultValue) {
    SRegKey key = SRegKey::OpenExisting(SRegRoot::CurrentUser, kIntlKey);
    std::string value;
    if (key.IsOpen() && key.ReadString(name, &value)) return value;
    return defaultValue ? defaultValue : "";
}

bool HasIntlString(const char* name) {
    SRegKey key = SRegKey::OpenExisting(SRegRoot::CurrentUser, kIntlKey);
    std::string value;
    return key.IsOpen() && key.ReadString(name, &value);
}

SIntlSettings ReadIntlSettings() {
    SIntlSettings intl;
    intl.decimalSeparator = FirstChar(GetIntlString("sDecimal", ","));
    intl.thousandsSeparator = FirstChar(GetIntlString("sThousand", "."));
    intl.dateSeparator = FirstChar(GetIntlString("sDate", "/"));
    intl.shortDatePattern = GetIntlString("sShortDate", "").substr(0, kMaxShortDate);
    intl.dateSeparatorStored = HasIntlString("sDate");
    intl.shortDatePatternStored = HasIntlString("sShortDate");
    return intl;
}
