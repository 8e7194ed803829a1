// The component's Polish string resources (language 1045), addressed by their
// fixed ids. Sources hold the tables as UTF-8 for readability; callers get the
// Windows-1250 bytes the engine works in, converted once on first use.
#pragma once

#include <span>
#include <string>

struct SResourceEntry {
    int id;
    const char* utf8;
};

// The Windows-1250 text of resource `id`; an empty string for an unknown id.
const std::string& ResourceString(int id);

// True when a resource with this id exists.
bool HasResourceString(int id);

// One table family each; the string registry gathers them all.
std::span<const SResourceEntry> NumberWordResources();
std::span<const SResourceEntry> DateWordResources();
std::span<const SResourceEntry> CharacterNameResources();
std::span<const SResourceEntry> EmoticonNameResources();
