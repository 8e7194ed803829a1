#include "text/spelling.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "core/attribute.h"
#include "model/chars.h"
#include "resources/word_lists.h"
#include "text/spell.h"
#include "text/word_sink.h"

namespace {

constexpr unsigned char kPunctuationPause = 5;

bool IsVowel(unsigned char c) {
    // A Ą E Ę I O Ó U Y and their lower-case forms, Windows-1250.
    static const char kVowels[] =
        "A\xA5"
        "E\xCA"
        "IO\xD3"
        "UYa\xB9"
        "e\xEA"
        "io\xF3"
        "uy";
    return c != 0 && std::strchr(kVowels, c) != nullptr;
}

bool HasVowel(const std::string& word) {
    for (char c : word)
        if (IsVowel(static_cast<unsigned char>(c))) return true;
    return false;
}

bool IsAllUpper(const std::string& word) {
    for (char c : word)
        if (!IsUpperLetter(static_cast<unsigned char>(c))) return false;
    return true;
}

int CountUpper(const std::string& word) {
    int count = 0;
    for (char c : word) count += IsUpperLetter(static_cast<unsigned char>(c)) ? 1 : 0;
    return count;
}

// A lower-case letter allowed inside an acronym after `previous`.
bool IsAcronymLower(unsigned char previous, unsigned char c) {
    if (c == 'i' || c == 'o' || c == 'u') return true;
    if (previous == 'C') return c == 'h' || c == 'z';
    if (previous == 'D') return c == 'z' || c == 0x9F /* ź */ || c == 0xBF /* ż */;
    if (previous == 'S') return c == 'z';
    return false;
}

bool IsReadAsWord(const std::string& word) {
    const std::vector<std::string>& words = ReadAsWordAcronymList();
    return std::find(words.begin(), words.end(), word) != words.end();
}

// The extended reading's view of a word in capitals: acronyms said as words
// stay words, and one at the very end of the text is no shouting (there is
// no next word to shout with), so it is spelled like any other. Nor is a
// short acronym before another one ("PKO BP", "PKS PKP"): the parts of a
// bank's or a company's name are spelled each in turn.
constexpr size_t kMaxPartOfName = 4;
std::optional<bool> ExtendedCapitalsDecision(const std::string& word,
                                             const SSpellingContext& context,
                                             const SAttribute& switches) {
    if (!IsAllUpper(word)) return std::nullopt;
    if (IsReadAsWord(word)) return false;
    const std::string next = NextLetterWord(context.mainTextRest);
    const bool partOfName = word.size() <= kMaxPartOfName && next.size() <= kMaxPartOfName &&
                            IsAllUpper(next) && !SNoSpellWords::Instance().Contains(next);
    if (context.allCapsStart || (!next.empty() && !partOfName)) return std::nullopt;
    return CountUpper(word) < switches.abbrevLimit && !SNoSpellWords::Instance().Contains(word);
}

}  // namespace

bool HasAcronymShape(const std::string& word) {
    int lowers = 0;
    for (size_t i = 0; i < word.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(word[i]);
        if (IsUpperLetter(c)) continue;
        if (i == 0 || !IsLowerLetter(c) || ++lowers > 1) return false;
        if (!IsAcronymLower(static_cast<unsigned char>(word[i - 1]), c)) return false;
    }
    return word.size() >= (lowers > 0 ? 3u : 2u);
}

std::string NextLetterWord(const char* text) {
    // Bounded like the driver's own words and sentences.
    constexpr size_t kMaxSkip = 2048, kMaxWord = 65;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
    for (size_t skipped = 0; *p && !IsLetter(*p) && skipped < kMaxSkip; ++skipped) ++p;
    const unsigned char* start = p;
    while (IsLetter(*p) && static_cast<size_t>(p - start) < kMaxWord) ++p;
    return std::string(reinterpret_cast<const char*>(start), p - start);
}

bool IsSpelledAcronym(const std::string& word, const SAttribute& switches) {
    if (!HasVowel(word)) return true;
    return CountUpper(word) < switches.abbrevLimit && !IsReadAsWord(word) &&
           !SNoSpellWords::Instance().Contains(word);
}

bool ShouldSpell(const std::string& word, const SSpellingContext& context,
                 const SAttribute& switches) {
    if (word.empty()) return false;
    unsigned char first = static_cast<unsigned char>(word[0]);
    if (IsControlChar(first) || context.fromReplacement) return false;
    if (word.size() == 1 && !IsWordChar(first))
        return IsSpaceChar(first) ? switches.readSeparators : switches.readInterpunction;
    if (!switches.convertAbbrev) return false;

    bool treatAsVowelled = false;
    if (word.size() == 1 && (ToUpperChar(first) == 'W' || ToUpperChar(first) == 'Z')) {
        if (context.atSentenceStart) return false;
        treatAsVowelled = true;  // the prepositions "w" and "z"
    }
    if (!treatAsVowelled && !HasVowel(word)) return true;
    if (switches.extendedReading && word.size() > 1)
        if (auto decision = ExtendedCapitalsDecision(word, context, switches)) return *decision;
    // Words all in capitals face the length limit, the no-spell list and the
    // shouting test before their shape counts: "UWAGA" and "NIE" stay words.
    if (IsAllUpper(word)) {
        if (CountUpper(word) >= switches.abbrevLimit) return false;
        if (SNoSpellWords::Instance().Contains(word)) return false;
        // A word in a line of capitals is shouting, not an abbreviation.
        if (context.allCapsStart || IsAllUpper(NextLetterWord(context.mainTextRest))) return false;
        return true;
    }
    return HasAcronymShape(word);
}

bool SpellWord(const std::string& word, const std::string& sourceText, const SSpell& spell,
               SWordSink& sink) {
    bool named = false;
    for (char c : word) {
        const std::string* name = spell.NameOf(static_cast<unsigned char>(c));
        if (!name) continue;
        if (!named) sink.AppendMarker(kPunctuationPause);
        named = true;
        sink.AppendText(*name, sourceText);
    }
    if (named) sink.AppendMarker(kPunctuationPause);
    return named;
}

bool SpellIfAbbreviation(const std::string& word, const SSpellingContext& context,
                         const SAttribute& switches, const SSpell& spell, SWordSink& sink) {
    return ShouldSpell(word, context, switches) && SpellWord(word, context.sourceText, spell, sink);
}
