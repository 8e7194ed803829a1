#include "text/governed_hour_noun.h"

#include <vector>

#include "model/chars.h"
#include "platform/codepage.h"
#include "text/hour_ranges.h"

bool IsHourWord(const std::string& word) {
    static const std::vector<std::string> words = {"godz.",
                                                   "godz",
                                                   "godzina",
                                                   "godzinie",
                                                   "godziny",
                                                   Utf8ToCp1250("godzinę"),
                                                   Utf8ToCp1250("godziną")};
    for (const std::string& hourWord : words)
        if (word == hourWord) return true;
    return false;
}

const std::string& HourNounIn(SGrammaticalCase hourCase) {
    static const std::string nominative = "godzina";
    static const std::string genitive = "godziny";
    static const std::string locative = "godzinie";  // the dative too
    static const std::string accusative = Utf8ToCp1250("godzinę");
    static const std::string instrumental = Utf8ToCp1250("godziną");
    switch (hourCase) {
        case SGrammaticalCase::kGenitive:
            return genitive;
        case SGrammaticalCase::kDative:
        case SGrammaticalCase::kLocative:
            return locative;
        case SGrammaticalCase::kAccusative:
            return accusative;
        case SGrammaticalCase::kInstrumental:
            return instrumental;
        case SGrammaticalCase::kNominative:
            break;
    }
    return nominative;
}

std::optional<std::string> GovernedHourNoun(const std::string& word,
                                            const std::string& previousWord, const char* rest) {
    if (word != "godz." && word != "godz") return std::nullopt;
    // Before a range of hours the noun is plural: "w godzinach" after "w",
    // "godziny" where nothing governs it.
    if (StartsWithHourRange(rest)) {
        if (previousWord == "w") return std::string("godzinach");
        if (CaseAfterPreposition(previousWord, SGovernedNumber::kClockHour) ==
            SGrammaticalCase::kNominative)
            return std::string("godziny");
    }
    const SGrammaticalCase hourCase =
        CaseAfterPreposition(previousWord, SGovernedNumber::kClockHour);
    if (hourCase == SGrammaticalCase::kNominative) return std::nullopt;
    while (*rest == ' ') ++rest;
    if (!IsDigitChar(static_cast<unsigned char>(*rest))) return std::nullopt;
    return HourNounIn(hourCase);
}
