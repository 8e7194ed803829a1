#include "text/declined_abbreviations.h"

#include "model/chars.h"
#include "resources/abbreviation_forms.h"
#include "resources/ordinal_words.h"
#include "text/noun_forms.h"
#include "text/scan_words.h"

namespace {

using C = SGrammaticalCase;
using K = SAbbreviationKind;

constexpr int kMaxTitles = 4;  // "prof. dr hab. inż."

const SAbbreviationForms* FindForms(const std::string& written) {
    for (const SAbbreviationForms& forms : AbbreviationForms())
        if (forms.written == written) return &forms;
    return nullptr;
}

// Titles and "hab." stand between a title and its name.
bool IsTitleLike(const std::string& written) {
    const SAbbreviationForms* forms = FindForms(written);
    return forms && (forms->kind == K::kTitle || written == "hab.");
}

size_t CaseIndex(SGrammaticalCase grammaticalCase) {
    switch (grammaticalCase) {
        case C::kNominative:
            return 0;
        case C::kGenitive:
            return 1;
        case C::kDative:
            return 2;
        case C::kAccusative:
            return 3;
        case C::kInstrumental:
            return 4;
        case C::kLocative:
            return 5;
    }
    return 0;
}

// The preposition that governs the abbreviation, looking past the titles
// before it ("u prof. dr. Nowaka"); empty when there is none.
std::string GoverningPreposition(const char* text, uint32_t start) {
    uint32_t position = start;
    for (int i = 0; i < kMaxTitles; ++i) {
        const std::string previous = PreviousWord(text, position);
        if (IsGoverningPreposition(previous)) return previous;
        if (!IsTitleLike(previous)) return std::string();
        while (position > 0 && text[position - 1] == ' ') --position;
        position -= static_cast<uint32_t>(previous.size());
    }
    return std::string();
}

// A word of letters directly before the abbreviation, with no punctuation
// between: the noun that an attributive genitive hangs on.
bool FollowsWord(const char* text, uint32_t start) {
    const std::string previous = PreviousWord(text, start);
    return !previous.empty() && previous.back() != '.';
}

// The next word that is no title, as written; `capitalised` tells its case.
std::string NextNounWord(const char* rest, bool& capitalised) {
    const char* p = rest;
    for (int i = 0; i <= kMaxTitles; ++i) {
        while (*p == ' ') ++p;
        uint32_t end = 0;
        std::string word = LetterWordAt(p, 0, end);
        if (word.empty()) return word;
        const bool period = p[end] == '.';
        if (!(IsTitleLike(word + (period ? "." : "")) || IsTitleLike(word))) {
            capitalised = IsUpperLetter(static_cast<unsigned char>(p[0]));
            return word;
        }
        p += end + (period ? 1 : 0);
    }
    return std::string();
}

// A word before the abbreviation that may be the noun it hangs on: a
// dotted abbreviation ("pw.") counts, a verb form the sentence uses often
// does not.
bool FollowsNoun(const char* text, uint32_t start) {
    const std::string previous = PreviousWord(text, start);
    if (previous.empty() || previous == "jest" || previous == "to" || previous == "był" ||
        previous == "była" || previous == "było")
        return false;
    return true;
}

std::string NounWords(const SAbbreviationForms& forms, const char* text, uint32_t start,
                      const std::string& preposition, const std::string& next) {
    auto guess = ChooseGuess(GuessAgreeingAdjective(next, forms.gender), preposition);
    SGrammaticalCase grammaticalCase = C::kNominative;
    bool plural = false;
    if (guess) {
        grammaticalCase = guess->grammaticalCase;
        plural = guess->plural;
    } else if (!preposition.empty()) {
        grammaticalCase = CaseAfterPreposition(preposition, SGovernedNumber::kNoun);
    } else if (forms.attributive && FollowsWord(text, start)) {
        grammaticalCase = C::kGenitive;
    }
    const size_t index = CaseIndex(grammaticalCase);
    if (plural && !forms.plural[index].empty()) return forms.plural[index];
    return forms.singular[index];
}

// After a noun and no preposition, the genitive that hangs on the noun
// ("kościół św. Anny") is the likeliest of the guesses.
std::optional<SNounGuess> ChooseAttributiveGuess(const std::vector<SNounGuess>& guesses) {
    for (const SNounGuess& guess : guesses)
        if (guess.grammaticalCase == C::kGenitive) return guess;
    return ChooseGuess(guesses, std::string());
}

std::optional<std::string> AgreeingWords(const SAbbreviationForms& forms,
                                         const std::string& preposition, const std::string& next,
                                         bool capitalised, bool afterNoun) {
    const bool person = capitalised || forms.written == "hab.";
    const std::vector<SNounGuess> guesses = person ? GuessPersonName(next) : GuessCommonNoun(next);
    auto guess = preposition.empty() && afterNoun ? ChooseAttributiveGuess(guesses)
                                                  : ChooseGuess(guesses, preposition);
    if (!guess) return std::nullopt;
    SCase grammaticalCase = AdjectiveCaseOf(guess->grammaticalCase);
    // A man is animate: his accusative is the genitive ("na świętego Jana").
    if (person && guess->gender == SGender::Masculine && grammaticalCase == SCase::Accusative)
        grammaticalCase = SCase::Genitive;
    const std::string ending = guess->plural
                                   ? PluralEnding(forms.stem, grammaticalCase)
                                   : OrdinalEnding(forms.stem, guess->gender, grammaticalCase);
    return forms.leadingWords + forms.stem + ending;
}

bool IsNominativeOnly(const std::vector<SNounGuess>& guesses) {
    if (guesses.empty()) return false;
    for (const SNounGuess& guess : guesses)
        if (guess.grammaticalCase != C::kNominative && guess.grammaticalCase != C::kAccusative)
            return false;
    return true;
}

std::string TitleWords(const SAbbreviationForms& forms, const std::string& preposition,
                       const std::string& next) {
    const std::vector<SNounGuess> guesses = GuessPersonName(next);
    auto guess = ChooseGuess(guesses, preposition);
    // A woman's title is not declined: "u doktor Kowalskiej". Nor is her
    // surname when it ends in a consonant: a name left in the nominative
    // where the preposition asks for another case ("według prof. Nowak")
    // is hers.
    if (guess && guess->gender != SGender::Masculine) return forms.singular[0];
    if (!guess && !preposition.empty() && IsNominativeOnly(guesses)) return forms.singular[0];
    SGrammaticalCase grammaticalCase = C::kNominative;
    if (guess)
        grammaticalCase = guess->grammaticalCase;
    else if (!preposition.empty())
        grammaticalCase = CaseAfterPreposition(preposition, SGovernedNumber::kNoun);
    return forms.singular[CaseIndex(grammaticalCase)];
}

}  // namespace

std::optional<std::string> ReadDeclinedAbbreviation(const std::string& word, const char* text,
                                                    uint32_t start, const char* rest) {
    const SAbbreviationForms* forms = FindForms(word);
    if (!forms) return std::nullopt;
    const std::string preposition = GoverningPreposition(text, start);
    bool capitalised = false;
    const std::string next = NextNounWord(rest, capitalised);
    switch (forms->kind) {
        case K::kNoun:
            return NounWords(*forms, text, start, preposition, next);
        case K::kAgreeing:
            return AgreeingWords(*forms, preposition, next, capitalised, FollowsNoun(text, start));
        case K::kTitle:
            return TitleWords(*forms, preposition, next);
    }
    return std::nullopt;
}
