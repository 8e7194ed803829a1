#include "resources/resource_strings.h"

#include <unordered_map>

#include "platform/codepage.h"

namespace {

using SResourceIndex = std::unordered_map<int, std::string>;

void AddFamily(SResourceIndex& index, std::span<const SResourceEntry> family) {
    for (const SResourceEntry& entry : family) index[entry.id] = Utf8ToCp1250(entry.utf8);
}

const SResourceIndex& Index() {
    static const SResourceIndex index = [] {
        SResourceIndex built;
        AddFamily(built, NumberWordResources());
        AddFamily(built, DateWordResources());
        AddFamily(built, CharacterNameResources());
        AddFamily(built, EmoticonNameResources());
        return built;
    }();
    return index;
}

}  // namespace

const std::string& ResourceString(int id) {
    static const std::string empty;
    const SResourceIndex& index = Index();
    auto found = index.find(id);
    return found == index.end() ? empty : found->second;
}

bool HasResourceString(int id) {
    return Index().count(id) != 0;
}
