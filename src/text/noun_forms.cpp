#include "text/noun_forms.h"

#include <algorithm>

#include "platform/codepage.h"
#include "resources/abbreviation_forms.h"
#include "text/locative_nouns.h"

namespace {

using C = SGrammaticalCase;
using G = SGender;

struct SEndingGuess {
    const char* ending;  // UTF-8
    std::vector<SNounGuess> guesses;
};

bool EndsWith(const std::string& word, const std::string& ending) {
    return word.size() > ending.size() &&
           word.compare(word.size() - ending.size(), ending.size(), ending) == 0;
}

// The guesses of the longest ending in `table` that the word ends with.
std::vector<SNounGuess> ByLongestEnding(const std::string& word,
                                        const std::vector<SEndingGuess>& table) {
    const SEndingGuess* best = nullptr;
    size_t bestLength = 0;
    for (const SEndingGuess& row : table) {
        const std::string ending = Utf8ToCp1250(row.ending);
        if (ending.size() > bestLength && EndsWith(word, ending)) {
            best = &row;
            bestLength = ending.size();
        }
    }
    return best ? best->guesses : std::vector<SNounGuess>{};
}

bool EndsWithConsonant(const std::string& word) {
    static const std::string vowels = Utf8ToCp1250("aąeęioóuy");
    return !word.empty() && vowels.find(word.back()) == std::string::npos;
}

// Common nouns. "-ie" is left out: "systemie" and "strefie" are locatives of
// different genders that no ending tells apart (the noun tables do, through
// GenderOfLocative).
const std::vector<SEndingGuess>& CommonNounEndings() {
    static const std::vector<SEndingGuess> table = {
        {"a", {{G::Feminine, C::kNominative}}},
        {"ę", {{G::Feminine, C::kAccusative}}},
        {"ą", {{G::Feminine, C::kInstrumental}}},
        {"y", {{G::Feminine, C::kGenitive}, {G::Masculine, C::kNominative, true}}},
        {"i", {{G::Feminine, C::kGenitive}, {G::Feminine, C::kLocative}}},
        {"ość", {{G::Feminine, C::kNominative}, {G::Feminine, C::kAccusative}}},
        {"ości",
         {{G::Feminine, C::kGenitive}, {G::Feminine, C::kLocative}, {G::Feminine, C::kDative}}},
        {"ością", {{G::Feminine, C::kInstrumental}}},
        {"o", {{G::Neuter, C::kNominative}, {G::Neuter, C::kAccusative}}},
        {"nie", {{G::Neuter, C::kNominative}, {G::Neuter, C::kAccusative}}},
        {"cie", {{G::Neuter, C::kNominative}, {G::Neuter, C::kAccusative}}},
        {"u", {{G::Masculine, C::kGenitive}, {G::Masculine, C::kLocative}}},
        {"owi", {{G::Masculine, C::kDative}}},
        {"em", {{G::Masculine, C::kInstrumental}}},
        // Adjectives used as nouns ("janosikowe", "becikowe"): the masculine
        // and neuter share these forms.
        {"ego", {{G::Masculine, C::kGenitive}}},
        {"emu", {{G::Masculine, C::kDative}}},
        {"ów", {{G::Masculine, C::kGenitive, true}}},
        {"ach", {{G::Masculine, C::kLocative, true}}},
        {"ami", {{G::Masculine, C::kInstrumental, true}}},
        {"om", {{G::Masculine, C::kDative, true}}},
    };
    return table;
}

const std::vector<SEndingGuess>& PersonNameEndings() {
    static const std::vector<SEndingGuess> table = {
        {"ska", {{G::Feminine, C::kNominative}}},
        {"cka", {{G::Feminine, C::kNominative}}},
        {"owa", {{G::Feminine, C::kNominative}}},
        {"ówna", {{G::Feminine, C::kNominative}}},
        {"skiej",
         {{G::Feminine, C::kGenitive}, {G::Feminine, C::kLocative}, {G::Feminine, C::kDative}}},
        {"ckiej",
         {{G::Feminine, C::kGenitive}, {G::Feminine, C::kLocative}, {G::Feminine, C::kDative}}},
        {"ską", {{G::Feminine, C::kInstrumental}, {G::Feminine, C::kAccusative}}},
        {"cką", {{G::Feminine, C::kInstrumental}, {G::Feminine, C::kAccusative}}},
        {"ego", {{G::Masculine, C::kGenitive}, {G::Masculine, C::kAccusative}}},
        {"emu", {{G::Masculine, C::kDative}}},
        {"owi", {{G::Masculine, C::kDative}}},
        {"em", {{G::Masculine, C::kInstrumental}}},
        {"im", {{G::Masculine, C::kInstrumental}, {G::Masculine, C::kLocative}}},
        {"ym", {{G::Masculine, C::kInstrumental}, {G::Masculine, C::kLocative}}},
        {"i", {{G::Masculine, C::kNominative}}},
        {"y", {{G::Masculine, C::kNominative}}},
        {"a", {{G::Masculine, C::kGenitive}, {G::Masculine, C::kAccusative}}},
        {"u", {{G::Masculine, C::kLocative}, {G::Masculine, C::kDative}}},
        {"ie", {{G::Masculine, C::kLocative}}},
        {"e", {{G::Masculine, C::kLocative}}},
    };
    return table;
}

// The endings of a woman's given name after its stem (the name without its
// final "a", or without two letters where the stem alternates: "Barbarze").
std::vector<SNounGuess> FeminineNameForm(const std::string& word) {
    static const std::vector<SEndingGuess> endings = {
        {"", {{G::Feminine, C::kNominative}}},
        {"y", {{G::Feminine, C::kGenitive}}},
        {"i",
         {{G::Feminine, C::kGenitive}, {G::Feminine, C::kDative}, {G::Feminine, C::kLocative}}},
        {"ę", {{G::Feminine, C::kAccusative}}},
        {"ą", {{G::Feminine, C::kInstrumental}}},
        {"ie", {{G::Feminine, C::kLocative}, {G::Feminine, C::kDative}}},
        {"e", {{G::Feminine, C::kLocative}, {G::Feminine, C::kDative}}},
    };
    for (const std::string& name : FeminineGivenNames()) {
        if (word == name) return endings[0].guesses;
        const std::string stem = name.substr(0, name.size() - 1);
        if (word.size() <= stem.size() || word.compare(0, stem.size(), stem) != 0) continue;
        const std::string rest = word.substr(stem.size());
        for (const SEndingGuess& row : endings)
            if (rest == Utf8ToCp1250(row.ending)) return row.guesses;
        // "Barbarze", "Jadwidze": the stem's last consonant alternates.
        if (EndsWith(word, "dze") || EndsWith(word, "rze") || EndsWith(word, "ce"))
            return {{G::Feminine, C::kLocative}, {G::Feminine, C::kDative}};
    }
    return {};
}

bool IsCaseAllowed(SGrammaticalCase grammaticalCase, SGrammaticalCase usual,
                   SGrammaticalCase other) {
    return grammaticalCase == usual || (other != C::kNominative && grammaticalCase == other);
}

}  // namespace

std::vector<SNounGuess> GuessCommonNoun(const std::string& word) {
    if (word.size() < 3) return {};
    std::vector<SNounGuess> guesses = ByLongestEnding(word, CommonNounEndings());
    if (guesses.empty() && EndsWithConsonant(word))
        guesses = {{G::Masculine, C::kNominative}, {G::Masculine, C::kAccusative}};
    auto locative = GenderOfLocative(word);
    if (!locative) return guesses;
    // A noun the tables know is surely that locative; one told by its
    // ending alone may still be a neuter nominative ("serce"), which comes
    // first where no preposition asks for the locative.
    const SNounGuess guess{locative->gender, C::kLocative};
    if (locative->inTables) {
        guesses.insert(guesses.begin(), guess);
    } else {
        if (guesses.empty()) guesses = {{G::Neuter, C::kNominative}, {G::Neuter, C::kAccusative}};
        guesses.push_back(guess);
    }
    return guesses;
}

std::vector<SNounGuess> GuessPersonName(const std::string& word) {
    if (word.size() < 2) return {};
    const auto& men = MasculineNamesWithVowelEnding();
    if (std::find(men.begin(), men.end(), word) != men.end())
        return {{G::Masculine, C::kNominative}};
    std::vector<SNounGuess> feminine = FeminineNameForm(word);
    // "Stanisława", "Józefa": a woman's name is also a man's genitive, the
    // likelier reading where a noun governs it ("kościół św. Stanisława").
    if (!feminine.empty() && feminine.front().grammaticalCase == C::kNominative)
        feminine.push_back({G::Masculine, C::kGenitive});
    if (!feminine.empty()) return feminine;
    std::vector<SNounGuess> guesses = ByLongestEnding(word, PersonNameEndings());
    if (guesses.empty() && EndsWithConsonant(word))
        guesses = {{G::Masculine, C::kNominative}, {G::Masculine, C::kAccusative}};
    return guesses;
}

std::vector<SNounGuess> GuessAgreeingAdjective(const std::string& word, SGender gender) {
    static const std::vector<SEndingGuess> feminine = {
        {"ej",
         {{G::Feminine, C::kGenitive}, {G::Feminine, C::kLocative}, {G::Feminine, C::kDative}}},
        {"ą", {{G::Feminine, C::kInstrumental}, {G::Feminine, C::kAccusative}}},
    };
    static const std::vector<SEndingGuess> masculine = {
        {"ego", {{G::Masculine, C::kGenitive}}},
        {"emu", {{G::Masculine, C::kDative}}},
        {"ym", {{G::Masculine, C::kInstrumental}, {G::Masculine, C::kLocative}}},
        {"im", {{G::Masculine, C::kInstrumental}, {G::Masculine, C::kLocative}}},
    };
    static const std::vector<SEndingGuess> plural = {
        {"e", {{G::Masculine, C::kNominative, true}, {G::Masculine, C::kAccusative, true}}},
        {"ych", {{G::Masculine, C::kGenitive, true}, {G::Masculine, C::kLocative, true}}},
        {"ich", {{G::Masculine, C::kGenitive, true}, {G::Masculine, C::kLocative, true}}},
        {"ymi", {{G::Masculine, C::kInstrumental, true}}},
        {"imi", {{G::Masculine, C::kInstrumental, true}}},
    };
    if (word.size() < 4) return {};
    std::vector<SNounGuess> guesses =
        ByLongestEnding(word, gender == G::Feminine ? feminine : masculine);
    for (SNounGuess& guess : guesses) guess.gender = gender;
    // A neuter adjective in "-e" is the singular nominative ("mazowieckie").
    if (guesses.empty() && gender == G::Neuter && EndsWith(word, "e"))
        return {{gender, C::kNominative}, {gender, C::kAccusative}};
    if (guesses.empty()) guesses = ByLongestEnding(word, plural);
    for (SNounGuess& guess : guesses) guess.gender = gender;
    return guesses;
}

std::optional<SNounGuess> ChooseGuess(const std::vector<SNounGuess>& guesses,
                                      const std::string& preposition) {
    if (guesses.empty()) return std::nullopt;
    if (preposition.empty()) return guesses.front();
    const SGrammaticalCase usual = CaseAfterPreposition(preposition, SGovernedNumber::kNoun);
    const SGrammaticalCase other = AlternativeNounCase(preposition);
    for (const SNounGuess& guess : guesses)
        if (guess.grammaticalCase == usual) return guess;
    for (const SNounGuess& guess : guesses)
        if (IsCaseAllowed(guess.grammaticalCase, usual, other)) return guess;
    return std::nullopt;
}
