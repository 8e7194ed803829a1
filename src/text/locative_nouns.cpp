#include "text/locative_nouns.h"

#include <vector>

#include "platform/codepage.h"
#include "resources/counted_nouns.h"
#include "resources/noun_genders.h"

namespace {

constexpr size_t kMinStem = 2;

bool EndsWith(const std::string& word, const std::string& ending) {
    return word.size() >= ending.size() &&
           word.compare(word.size() - ending.size(), ending.size(), ending) == 0;
}

// Locative endings and the end of the stem they come from, longest first
// within each family: "ście" is "st" + e ("miasto"), "rze" is "r" + e.
const std::vector<std::pair<std::string, std::string>>& EndingsToStems() {
    static const std::vector<std::pair<std::string, std::string>> table = [] {
        const char* const rows[][2] = {
            {"ście", "st"}, {"śnie", "sn"}, {"dzie", "d"}, {"cie", "t"}, {"rze", "r"},
            {"dze", "g"},   {"sze", "ch"},  {"le", "ł"},   {"ce", "k"},  {"ie", ""},
        };
        std::vector<std::pair<std::string, std::string>> converted;
        for (const auto& row : rows) converted.emplace_back(Utf8ToCp1250(row[0]), row[1]);
        for (auto& row : converted) row.second = Utf8ToCp1250(row.second.c_str());
        return converted;
    }();
    return table;
}

// The stem as the locative shows it, and with its last vowel as the
// nominative has it: "mieś" "miast", "lesie" "las", "stole" "stół",
// "urzędzie" "urząd".
std::vector<std::string> StemVariants(const std::string& stem) {
    static const std::pair<std::string, std::string> kVowels[] = {
        {"ie", "ia"},
        {"e", "a"},
        {"o", Utf8ToCp1250("ó")},
        {Utf8ToCp1250("ę"), Utf8ToCp1250("ą")},
    };
    std::vector<std::string> variants = {stem};
    for (const auto& [locative, nominative] : kVowels) {
        const size_t at = stem.rfind(locative);
        if (at == std::string::npos || at == 0) continue;
        // Only the stem's last vowel alternates: nothing but consonants after it.
        const std::string after = stem.substr(at + locative.size());
        if (after.find_first_of(Utf8ToCp1250("aąeęioóuy")) != std::string::npos) continue;
        variants.push_back(stem.substr(0, at) + nominative + after);
    }
    return variants;
}

std::optional<SGender> GenderInTables(const std::string& nominative) {
    for (const auto& [noun, gender] : LocativeEndingNouns())
        if (noun == nominative) return gender;
    for (const SCountedNoun& noun : CountedNouns())
        if (noun.nominative == nominative) return noun.gender;
    return std::nullopt;
}

// The nominatives the stem may have: a masculine with no ending, a
// feminine in "-a", a neuter in "-o"; the first the tables know.
std::optional<SGender> GenderOfStem(const std::string& stem) {
    for (const std::string& variant : StemVariants(stem))
        for (const char* ending : {"", "a", "o"})
            if (auto gender = GenderInTables(variant + ending)) return gender;
    return std::nullopt;
}

}  // namespace

std::optional<SLocativeGender> GenderOfLocative(const std::string& word) {
    for (const auto& [ending, stemEnd] : EndingsToStems()) {
        if (!EndsWith(word, ending) || word.size() < ending.size() + kMinStem) continue;
        const std::string stem = word.substr(0, word.size() - ending.size()) + stemEnd;
        if (auto gender = GenderOfStem(stem)) return SLocativeGender{*gender, true};
    }
    for (const std::string ending : {"dze", "ce"})
        if (EndsWith(word, ending) && word.size() >= ending.size() + kMinStem)
            return SLocativeGender{SGender::Feminine, false};
    return std::nullopt;
}
