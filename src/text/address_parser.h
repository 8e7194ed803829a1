// Parsing of Internet address tokens: web addresses with a scheme, e-mail
// addresses (user, optional password, host), host names and dotted IP
// addresses. Character classes are ASCII only.
#pragma once

#include <cstdint>
#include <string>

struct SUrlParts {
    std::string token;  // the whole token
    int schemeId = 0;   // row of the scheme table; 0 none; kUnknownSchemeId
    std::string schemeText;
    std::string user;
    std::string password;
    std::string host;
    std::string path;
    std::string query;
    int32_t port = -1;                    // -1 when absent
    const char* genericDomain = nullptr;  // the matched ".com"-style entry
    bool hasCountryCode = false;          // the host ends in a known country code
    bool isIpAddress = false;
    uint32_t ip[4] = {0, 0, 0, 0};

    // Characters of the token the parse consumed; 0 means it is no address.
    size_t consumed = 0;
};

// Tokens longer than this are not read as addresses.
constexpr size_t kMaxAddressToken = 2048;

// The token at `text`: up to the first blank, TAB, CR, LF or the end; empty
// when it is longer than kMaxAddressToken.
std::string AddressToken(const char* text);

// Parses a token. The result's `consumed` is 0 when the token is not to be
// read as an address (no dot before its last character, a scheme the reader
// does not speak, a host that does not parse, or nothing marking it as an
// address: no scheme, known domain, country code or IP form).
SUrlParts ParseAddress(const std::string& token);
