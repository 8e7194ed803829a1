#include "text/inflected_acronyms.h"

#include "core/attribute.h"
#include "model/chars.h"
#include "text/spell.h"
#include "text/spelling.h"
#include "text/word_sink.h"

namespace {

constexpr unsigned char kPunctuationPause = 5;
// The longest ending: "owskiego" after "PRL-".
constexpr size_t kMaxEnding = 8;

// The lower-case letters after the hyphen, when they end the word.
std::string EndingAt(const char* text, uint32_t hyphen) {
    std::string ending;
    uint32_t p = hyphen + 1;
    while (IsLowerLetter(static_cast<unsigned char>(text[p])) && ending.size() <= kMaxEnding)
        ending += text[p++];
    const unsigned char after = static_cast<unsigned char>(text[p]);
    if (ending.size() > kMaxEnding || IsLetter(after) || IsDigitChar(after) || after == '-')
        return std::string();
    return ending;
}

std::string Lowered(const std::string& word) {
    std::string lowered;
    for (char c : word) lowered += static_cast<char>(ToLowerChar(static_cast<unsigned char>(c)));
    return lowered;
}

// The acronym's letter names, the last one with the ending; false when a
// letter has no name.
bool AppendSpelled(const std::string& acronym, const std::string& ending,
                   const std::string& sourceText, const SSpell& spell, SWordSink& sink) {
    std::string words;
    for (size_t i = 0; i < acronym.size(); ++i) {
        const std::string* name = spell.NameOf(static_cast<unsigned char>(acronym[i]));
        if (!name) return false;
        words += i + 1 < acronym.size() ? *name + ' ' : JoinLetterNameAndEnding(*name, ending);
    }
    sink.AppendMarker(kPunctuationPause);
    sink.AppendText(words, sourceText);
    sink.AppendMarker(kPunctuationPause);
    return true;
}

}  // namespace

std::string JoinLetterNameAndEnding(const std::string& letterName, const std::string& ending) {
    if (letterName.size() >= 2 && !ending.empty() && ending[0] == letterName[1])
        return letterName.substr(0, 1) + ending;
    return letterName + ending;
}

std::optional<uint32_t> ReadInflectedAcronym(const std::string& acronym, const char* text,
                                             uint32_t hyphen, const SAttribute& switches,
                                             const SSpell& spell, SWordSink& sink) {
    if (text[hyphen] != '-' || !HasAcronymShape(acronym)) return std::nullopt;
    const std::string ending = EndingAt(text, hyphen);
    if (ending.empty()) return std::nullopt;
    const uint32_t end = hyphen + 1 + static_cast<uint32_t>(ending.size());
    const std::string sourceText = acronym + '-' + ending;
    if (!IsSpelledAcronym(acronym, switches)) {
        sink.AppendWord(Lowered(acronym) + ending, sourceText, 1, 0);
        return end;
    }
    if (!AppendSpelled(acronym, ending, sourceText, spell, sink)) return std::nullopt;
    return end;
}
