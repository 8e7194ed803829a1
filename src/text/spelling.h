// The abbreviation and spelling decision that every collected word passes
// before it is appended, and spelling a word out by character names.
#pragma once

#include <string>

class SAttribute;

class SSpell;
class SWordSink;

// What the decision needs to know about the word's surroundings.
struct SSpellingContext {
    bool fromReplacement = false;   // the word was read from a dictionary replacement
    bool atSentenceStart = false;   // no real word of the sentence flushed yet
    bool allCapsStart = false;      // the sentence's first real word was all capitals
    const char* mainTextRest = "";  // the main text after the read position
    std::string sourceText;         // source text of the spelled names
};

// Upper-case letters, with at most one lower-case letter that is not the
// first: i, o, u, or the second letter of Ch, Cz, Dz, Dź, Dż, Sz. At least
// two characters, three with a lower-case letter ("PKP", "PiS", "SzS").
bool HasAcronymShape(const std::string& word);

// The next word of a text: skips non-letters, then takes the letter run
// (at most 65 letters, found within 2048 characters).
std::string NextLetterWord(const char* text);

// Whether an acronym is said letter by letter when nothing around it
// matters: it has no vowel, or it is short, listed neither among the
// acronyms said as words nor among the words never spelled.
bool IsSpelledAcronym(const std::string& word, const SAttribute& switches);

// Decides whether the word is to be spelled.
bool ShouldSpell(const std::string& word, const SSpellingContext& context,
                 const SAttribute& switches);

// Appends the name of each character, between two punctuation-pause
// markers. False when no character has a name (nothing is appended).
bool SpellWord(const std::string& word, const std::string& sourceText, const SSpell& spell,
               SWordSink& sink);

// The decision and the spelling together: true when the names were appended.
bool SpellIfAbbreviation(const std::string& word, const SSpellingContext& context,
                         const SAttribute& switches, const SSpell& spell, SWordSink& sink);
