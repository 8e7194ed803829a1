// The pieces of SSML markup the converter reads: entities, one element
// between '<' and '>', and the values of break and prosody. Each reads only
// the bytes it is given and at most a few beyond, so converting a message
// stays linear in its length.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

struct SElement {
    std::string name;
    std::map<std::string, std::string> attributes;
    bool closing = false;
    bool empty = false;  // <name/>
};

// Longest entity read, "&#x10FFFF;" and its like; a longer one is text.
constexpr size_t kMaxEntityBytes = 10;

// Decodes the entity at `at` ('&') onto `out`; returns its length, 0 when it
// is not one (nothing is appended then).
size_t DecodeEntity(std::string_view text, size_t at, std::string& out);

// Text with its entities decoded.
std::string DecodeEntities(std::string_view text);

// Parses the element between '<' and '>' (exclusive); nullopt when it is not one.
std::optional<SElement> ParseElement(std::string_view inside);

// The length of a <break>, in milliseconds, at most `maxMs`.
int BreakMilliseconds(const SElement& element, int maxMs);

// A prosody value as a factor of the current one: a keyword of `keywords`,
// "150%", "+20%", or a plain factor; 1 when it cannot be read.
double ProsodyFactor(const std::string& value, const std::pair<const char*, double>* keywords,
                     size_t count);
