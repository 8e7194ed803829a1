// Tables of the Internet address reader: schemes, generic domains, country
// codes, host-label words and the fixed spoken words.
#pragma once

#include <span>
#include <string>

struct SUrlScheme {
    int id;
    const char* prefix;
    const char* spoken;  // Windows-1250 (ASCII only)
    bool slashes;        // the prefix ends in "//", read as "slesz slesz"
};

constexpr int kUnknownSchemeId = 32767;

std::span<const SUrlScheme> UrlSchemeTable();

// ".arpa", ".com" ... ".org", in search order.
std::span<const char* const> GenericDomainTable();

// The 243 two-letter country codes, alphabetical.
std::span<const char* const> CountryCodeTable();

// The spoken word for a host label ("www", "com", "pl"), or null.
const char* HostLabelWord(const std::string& label);

// Fixed spoken words, Windows-1250, each ending in a blank.
const std::string& SpokenColon();    // "dwukropek "
const std::string& SpokenSlashes();  // "slesz slesz "
const std::string& SpokenAt();       // "małpa "
const std::string& SpokenDot();      // "kropka "
