// What a word's ending tells about the noun phrase it belongs to: its
// gender, case and number. Polish endings are ambiguous, so each reader
// gives its guesses likeliest first, and the caller keeps the first one
// that the sentence allows (the case a preposition gives). A word whose
// ending tells nothing yields no guess, and the caller falls back to the
// plain nominative reading.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "resources/unit_words.h"
#include "text/governing_prepositions.h"

struct SNounGuess {
    SGender gender;
    SGrammaticalCase grammaticalCase;
    bool plural = false;
};

// A common noun, lower-cased ("okazja", "ustawy", "systemem").
std::vector<SNounGuess> GuessCommonNoun(const std::string& word);

// A person's given name or surname, lower-cased ("anny", "kowalskiego",
// "nowakiem").
std::vector<SNounGuess> GuessPersonName(const std::string& word);

// An adjective after a noun of `gender`, agreeing with it, lower-cased:
// "długiej" after "ulica", "mazowieckim" after "województwo".
std::vector<SNounGuess> GuessAgreeingAdjective(const std::string& word, SGender gender);

// The guess the sentence allows: with a preposition (`preposition` not
// empty) the first guess in its usual case, else in its other case; without
// one, the first guess. Nothing when no guess fits.
std::optional<SNounGuess> ChooseGuess(const std::vector<SNounGuess>& guesses,
                                      const std::string& preposition);
