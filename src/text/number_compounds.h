// Numbers that Polish writes with digits but reads as part of a word:
// "5-letni" is "pięcioletni", "10-krotnie" "dziesięciokrotnie", "20-latek"
// "dwudziestolatek", "5-ty" "piąty". Windows-1250 text and words.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

struct SCompoundReading {
    std::string words;  // blank-separated
    uint32_t end;       // after the last character read
};

// The digits of `value` end at `numberEnd`, followed by a hyphen and a word
// in lower case. An ordinal ending makes an ordinal ("5-ty" is "piąty",
// "2-go" "drugiego"); other short tails are left alone.
std::optional<SCompoundReading> ReadHyphenCompound(const char* text, int64_t value,
                                                   uint32_t numberEnd);

// The first part of a compound adjective made with a number 1..999 or 1000
// ("pięcio", "dwudziestopięcio", "stu", "tysiąc"), or empty.
std::string CompoundPrefix(int64_t value);
