#include "resources/emoticon_names.h"

#include "resources/resource_strings.h"

namespace {

constexpr SResourceEntry kEmoticonNames[] = {
    {4560, "uśmiechlnik"}, {4561, "smutecznik"},   {4562, "przymróżlnik"}, {4563, "pochmurnik"},
    {4564, "wykrzyklnik"}, {4565, "powściąglnik"}, {4566, "recytalnik"},
};

// Tried in this order; the first whose text opens the input wins.
constexpr SEmoticon kEmoticons[] = {
    {":-)", 4560}, {":)", 4560},  {":-(", 4561}, {";-)", 4562}, {";)", 4562},
    {"[:|", 4563}, {":-O", 4564}, {":-|", 4565}, {":-V", 4566},
};

}  // namespace

std::span<const SResourceEntry> EmoticonNameResources() {
    return kEmoticonNames;
}

std::span<const SEmoticon> EmoticonTable() {
    return kEmoticons;
}
