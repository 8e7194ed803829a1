#include "sapi5/viseme_table.h"

#include "sapi/visual_table.h"

namespace {

// The SAPI 5 viseme classes: each IPA character the allophone table uses.
struct SVisemeClass {
    char16_t ipa;
    uint8_t viseme;
};

constexpr SVisemeClass kClasses[] = {
    {u'ʌ', 1},  {u'ɑ', 2},  {u'ɔ', 3},  {u'ɛ', 4},  {u'e', 4},  {u'i', 6},  {u'j', 6},
    {u'w', 7},  {u'u', 7},  {u'o', 8},  {u'h', 12}, {u'ɹ', 13}, {u'l', 14}, {u's', 15},
    {u'z', 15}, {u'ʃ', 16}, {u'ʧ', 16}, {u'ʤ', 16}, {u'f', 18}, {u'd', 19}, {u't', 19},
    {u'n', 19}, {u'k', 20}, {u'g', 20}, {u'p', 21}, {u'b', 21}, {u'm', 21},
};

}  // namespace

uint32_t VisemeForAllophone(uint32_t allophone) {
    const char16_t ipa = VisualForAllophone(allophone).ipa;
    for (const SVisemeClass& entry : kClasses)
        if (entry.ipa == ipa) return entry.viseme;
    return 0;
}
