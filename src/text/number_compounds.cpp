#include "text/number_compounds.h"

#include "model/chars.h"
#include "platform/codepage.h"
#include "resources/ordinal_words.h"
#include "text/ordinals.h"
#include "text/scan_words.h"
#include "text/unit_agreement.h"

namespace {

constexpr size_t kMinCompoundTail = 3;  // "pak", "letni", "krotnie", "latek"

// Our own tables, from ordinary Polish word formation.
const char* const kUnitPrefixes[] = {"",          "jedno",       "dwu",        "trzy",
                                     "cztero",    "pięcio",      "sześcio",    "siedmio",
                                     "ośmio",     "dziewięcio",  "dziesięcio", "jedenasto",
                                     "dwunasto",  "trzynasto",   "czternasto", "piętnasto",
                                     "szesnasto", "siedemnasto", "osiemnasto", "dziewiętnasto"};
const char* const kTensPrefixes[] = {"",
                                     "",
                                     "dwudziesto",
                                     "trzydziesto",
                                     "czterdziesto",
                                     "pięćdziesięcio",
                                     "sześćdziesięcio",
                                     "siedemdziesięcio",
                                     "osiemdziesięcio",
                                     "dziewięćdziesięcio"};
const char* const kHundredsPrefixes[] = {"",          "stu",        "dwustu",   "trzystu",
                                         "czterystu", "pięćset",    "sześćset", "siedemset",
                                         "osiemset",  "dziewięćset"};

// The endings written after the digits of an ordinal ("5-ty", "2-go",
// "3-cią"), with the gender and case they show.
struct SOrdinalTail {
    const char* tail;
    SGender gender;
    SCase grammaticalCase;
};
const SOrdinalTail kOrdinalTails[] = {
    {"y", SGender::Masculine, SCase::Nominative},   {"ty", SGender::Masculine, SCase::Nominative},
    {"i", SGender::Masculine, SCase::Nominative},   {"gi", SGender::Masculine, SCase::Nominative},
    {"ci", SGender::Masculine, SCase::Nominative},  {"a", SGender::Feminine, SCase::Nominative},
    {"ta", SGender::Feminine, SCase::Nominative},   {"ga", SGender::Feminine, SCase::Nominative},
    {"cia", SGender::Feminine, SCase::Nominative},  {"e", SGender::Neuter, SCase::Nominative},
    {"te", SGender::Neuter, SCase::Nominative},     {"gie", SGender::Neuter, SCase::Nominative},
    {"cie", SGender::Neuter, SCase::Nominative},    {"go", SGender::Masculine, SCase::Genitive},
    {"ego", SGender::Masculine, SCase::Genitive},   {"tego", SGender::Masculine, SCase::Genitive},
    {"giego", SGender::Masculine, SCase::Genitive}, {"ciego", SGender::Masculine, SCase::Genitive},
    {"ej", SGender::Feminine, SCase::Genitive},     {"tej", SGender::Feminine, SCase::Genitive},
    {"giej", SGender::Feminine, SCase::Genitive},   {"ciej", SGender::Feminine, SCase::Genitive},
    {"ym", SGender::Masculine, SCase::Locative},    {"tym", SGender::Masculine, SCase::Locative},
    {"im", SGender::Masculine, SCase::Locative},    {"gim", SGender::Masculine, SCase::Locative},
    {"cim", SGender::Masculine, SCase::Locative},   {"mu", SGender::Masculine, SCase::Dative},
};

const SOrdinalTail* FindOrdinalTail(const std::string& tail) {
    for (const SOrdinalTail& row : kOrdinalTails)
        if (tail == row.tail) return &row;
    return nullptr;
}

}  // namespace

std::string CompoundPrefix(int64_t value) {
    if (value == 1000) return Utf8ToCp1250("tysiąc");
    if (value < 1 || value > 999) return std::string();
    std::string prefix = kHundredsPrefixes[value / 100];
    const int64_t rest = value % 100;
    if (rest >= 20) {
        prefix += kTensPrefixes[rest / 10];
        prefix += kUnitPrefixes[rest % 10];
    } else {
        prefix += kUnitPrefixes[rest];
    }
    return Utf8ToCp1250(prefix);
}

std::optional<SCompoundReading> ReadHyphenCompound(const char* text, int64_t value,
                                                   uint32_t numberEnd) {
    if (text[numberEnd] != '-' || !IsLowerLetter(static_cast<unsigned char>(text[numberEnd + 1])))
        return std::nullopt;
    uint32_t end = 0;
    const std::string tail = WrittenWordAt(text, numberEnd + 1, end);
    if (IsLetter(static_cast<unsigned char>(text[end]))) return std::nullopt;
    if (const SOrdinalTail* ordinal = FindOrdinalTail(tail)) {
        if (value > 999) return std::nullopt;
        return SCompoundReading{
            OrdinalWords(static_cast<int>(value), ordinal->gender, ordinal->grammaticalCase), end};
    }
    if (tail.size() < kMinCompoundTail) return std::nullopt;
    const std::string prefix = CompoundPrefix(value);
    if (prefix.empty()) return std::nullopt;
    return SCompoundReading{prefix + tail + ' ', end};
}
