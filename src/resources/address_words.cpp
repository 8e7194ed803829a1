#include "resources/address_words.h"

#include <iterator>

#include "platform/codepage.h"

namespace {

constexpr SUrlScheme kSchemes[] = {
    {1, "http://", "hatete pe ", true},    {2, "https://", "hatete pees ", true},
    {3, "ftp://", "efte pe ", true},       {4, "file://", "fajl ", true},
    {5, "gopher://", "gofer ", true},      {6, "mailto:", "mejl tu ", false},
    {7, "news:", "nius ", false},          {8, "nntp://", "en ente pe ", true},
    {9, "prospero://", "prospero ", true}, {10, "telnet://", "telnet ", true},
    {11, "wais://", "wajs ", true},
};

constexpr const char* kGenericDomains[] = {".arpa", ".com",  ".edu", ".gov", ".int",
                                           ".mil",  ".nato", ".net", ".org"};

constexpr const char* kCountryCodes[] = {
    "ad", "ae", "af", "ag", "ai", "al", "am", "an", "ao", "aq", "ar", "as", "at", "au", "aw", "az",
    "ba", "bb", "bd", "be", "bf", "bg", "bh", "bi", "bj", "bm", "bn", "bo", "br", "bs", "bt", "bv",
    "bw", "by", "bz", "ca", "cc", "cf", "cg", "ch", "ci", "ck", "cl", "cm", "cn", "co", "cr", "cs",
    "cu", "cv", "cx", "cy", "cz", "de", "dj", "dk", "dm", "do", "dz", "ec", "ee", "eg", "eh", "er",
    "es", "et", "fi", "fj", "fk", "fm", "fo", "fr", "fx", "ga", "gb", "gd", "ge", "gf", "gh", "gi",
    "gl", "gm", "gn", "gp", "gq", "gr", "gs", "gt", "gu", "gw", "gy", "hk", "hm", "hn", "hr", "ht",
    "hu", "ic", "id", "ie", "il", "in", "io", "iq", "ir", "is", "it", "jm", "jo", "jp", "ke", "kg",
    "kh", "ki", "km", "kn", "kp", "kr", "kw", "ky", "kz", "la", "lb", "lc", "li", "lk", "lr", "ls",
    "lt", "lu", "lv", "ly", "ma", "mc", "md", "mg", "mh", "mk", "ml", "mm", "mn", "mo", "mp", "mq",
    "mr", "ms", "mt", "mu", "mv", "mw", "mx", "my", "mz", "na", "nc", "ne", "nf", "ng", "ni", "nl",
    "no", "np", "nr", "nu", "nz", "om", "pa", "pe", "pf", "pg", "ph", "pk", "pl", "pm", "pn", "pr",
    "pt", "pw", "py", "qa", "re", "ro", "ru", "rw", "sa", "sb", "sc", "sd", "se", "sg", "sh", "si",
    "sj", "sk", "sl", "sm", "sn", "so", "sr", "st", "su", "sv", "sy", "sz", "tc", "td", "tf", "tg",
    "th", "tj", "tk", "tm", "tn", "to", "tp", "tr", "tt", "tv", "tw", "tz", "ua", "ug", "um", "us",
    "uy", "uz", "va", "vc", "ve", "vg", "vi", "vn", "vu", "wf", "wk", "ws", "ye", "yt", "yu", "za",
    "zm", "zr", "zw",
};
static_assert(std::size(kCountryCodes) == 243);

struct SHostLabel {
    const char* label;
    const char* spoken;
};
constexpr SHostLabel kHostLabels[] = {{"www", "wuwu wu"}, {"com", "kom"}, {"pl", "peel"}};

}  // namespace

std::span<const SUrlScheme> UrlSchemeTable() {
    return kSchemes;
}
std::span<const char* const> GenericDomainTable() {
    return kGenericDomains;
}
std::span<const char* const> CountryCodeTable() {
    return kCountryCodes;
}

const char* HostLabelWord(const std::string& label) {
    for (const SHostLabel& entry : kHostLabels)
        if (label == entry.label) return entry.spoken;
    return nullptr;
}

const std::string& SpokenColon() {
    static const std::string word = "dwukropek ";
    return word;
}
const std::string& SpokenSlashes() {
    static const std::string word = "slesz slesz ";
    return word;
}
const std::string& SpokenAt() {
    static const std::string word = Utf8ToCp1250("małpa ");
    return word;
}
const std::string& SpokenDot() {
    static const std::string word = "kropka ";
    return word;
}
