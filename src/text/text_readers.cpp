// The driver's entry points into the normaliser's readers (numbers, dates
// and times, control tags, spelling decision, repeated characters,
// emoticons, Internet addresses). Until a reader exists its entry declines,
// and the driver reads those characters with its own rules: digits,
// backslashes and symbols become one-character words, every word is read as
// written.
#include "engine/attribute.h"
#include "text/chars.h"
#include "text/dictionary.h"
#include "text/spell.h"
#include "text/text_analyser.h"

// Replaces a whole word read from the main text by its dictionary entry
// (or, for a capitalised word, by the entry of its lower-cased form). The
// replacement is read next; replacements never cascade.
bool STextAnalyser::OfferToDictionary(const std::string& word) {
    if (!dictionary_ || word.empty() || !GetSettings()->useExtDict) return false;
    if (readingInsertion_) return false;
    int index = dictionary_->Find(word);
    if (index < 0 && IsUpperLetter(static_cast<unsigned char>(word[0]))) {
        std::string lowered = word;
        lowered[0] = static_cast<char>(ToLowerChar(static_cast<unsigned char>(word[0])));
        index = dictionary_->Find(lowered);
    }
    if (index < 0) return false;
    insertionCursor_.SetText(dictionary_->ValueAt(index).c_str());
    return true;
}

bool STextAnalyser::OfferToSpelling(const std::string& /*word*/) { return false; }

bool STextAnalyser::ReadRepeated(STextCursor& /*cursor*/, std::string* /*pending*/) {
    return false;
}

bool STextAnalyser::ReadAddress(STextCursor& /*cursor*/) { return false; }

bool STextAnalyser::ReadEmoticon(STextCursor& /*cursor*/) { return false; }

int STextAnalyser::ReadTag(STextCursor& /*cursor*/, std::string& /*buffer*/) { return 0; }

bool STextAnalyser::ReadNumber(STextCursor& /*cursor*/) { return false; }

const std::string* STextAnalyser::CharacterName(unsigned char c) const {
    if (!spell_) return nullptr;
    int index = spell_->Find(std::string(1, static_cast<char>(ToLowerChar(c))));
    return index >= 0 ? &spell_->ValueAt(index) : nullptr;
}
