// The driver's entry points into the normaliser's readers (numbers, dates
// and times, control tags, spelling decision, repeated characters,
// emoticons, Internet addresses). Each reader works on the reading cursor's
// text and appends to the current sentence; its setting switch is checked
// here or by the driver.
#include "core/attribute.h"
#include "model/chars.h"
#include "resources/character_names.h"
#include "text/address.h"
#include "text/declined_abbreviations.h"
#include "text/dictionary.h"
#include "text/dotted_abbreviations.h"
#include "text/emoticons.h"
#include "text/governed_hour_noun.h"
#include "text/inflected_acronyms.h"
#include "text/numbers.h"
#include "text/repeated.h"
#include "text/roman_numerals.h"
#include "text/scan_words.h"
#include "text/sentence_sink.h"
#include "text/spell.h"
#include "text/spelling.h"
#include "text/tags.h"
#include "text/text_analyser.h"

namespace {

// Readers name characters through the spelling table; without one they
// simply find no names.
const SSpell& SpellOrEmpty(const SSpell* spell) {
    static const SSpell empty;
    return spell ? *spell : empty;
}

// A reader may turn a few characters into many words (a long digit string,
// a spelled address). The sentence is closed once it holds this many, so
// that no text, however dense, makes a sentence without bound.
constexpr int kFullSentenceWords = 2048;

bool IsFull(const SSentence& sentence) {
    return sentence.WordCount() >= kFullSentenceWords;
}

std::string Lowered(const std::string& word) {
    std::string lowered;
    for (char c : word) lowered += static_cast<char>(ToLowerChar(static_cast<unsigned char>(c)));
    return lowered;
}

std::string UpperCased(const std::string& word) {
    std::string upper;
    for (char c : word) upper += static_cast<char>(ToUpperChar(static_cast<unsigned char>(c)));
    return upper;
}

// The last word of the sentence that is not a blank or a marker, lower-cased.
std::string LastWordOf(const SSentence& sentence) {
    for (int i = sentence.WordCount() - 1; i >= 0; --i) {
        const std::string& text = sentence.WordAt(i)->text;
        if (text.empty() || static_cast<unsigned char>(text[0]) < 32 ||
            IsSpaceChar(static_cast<unsigned char>(text[0])))
            continue;
        return Lowered(text);
    }
    return std::string();
}

bool IsCoordinator(const std::string& word) {
    return word == "i" || word == "lub" || word == "albo" || word == "oraz" || word == "do" ||
           word == "a";
}

// The run of letters at p after blanks; p moves past it.
std::string LetterRunAt(const char*& p) {
    while (*p == ' ') ++p;
    std::string run;
    while (IsLetter(static_cast<unsigned char>(*p)) && run.size() < 32) run += *p++;
    return run;
}

// Neighbours of a word about to be flushed: the sentence's last word before
// it, and the next word of the text after the blanks that follow. Numerals
// joined by "i", "do" or a dash share their neighbours: in "w XV i XVI
// wieku" the first takes the noun after the second, the second the
// preposition before the first.
SRomanContext RomanContextAt(const SSentence& sentence, const char* text, uint32_t start,
                             const char* rest) {
    SRomanContext context;
    context.previous = LastWordOf(sentence);
    if (IsCoordinator(context.previous) &&
        ParseRoman(UpperCased(WordBeforePrevious(text, start)))) {
        uint32_t p = start;
        for (int words = 0; words < 2; ++words) {
            while (p > 0 && text[p - 1] == ' ') --p;
            while (p > 0 && IsLetter(static_cast<unsigned char>(text[p - 1]))) --p;
        }
        context.previous = PreviousWord(text, p);
    }
    const char* p = rest;
    std::string next = LetterRunAt(p);
    const char* afterNext = p;
    if (IsCoordinator(Lowered(next)) && ParseRoman(LetterRunAt(afterNext))) {
        p = afterNext;
        next = LetterRunAt(p);
    }
    context.next = Lowered(next);
    context.nextEndsWithPeriod = *p == '.';
    return context;
}

}  // namespace

// Replaces a whole word read from the main text by its dictionary entry
// (or, for a capitalised word, by the entry of its lower-cased form). The
// replacement is read next; replacements never cascade.
bool STextAnalyser::OfferToDictionary(const std::string& word) {
    if (!dictionary_ || word.empty() || !GetSettings()->useExtDict) return false;
    if (readingInsertion_) return false;
    const std::string* replacement = dictionary_->FindReplacement(word);
    if (!replacement) return false;
    insertionCursor_.SetText(replacement->c_str());
    return true;
}

bool STextAnalyser::OfferToRomanNumeral(const std::string& word) {
    if (!GetSettings()->extendedReading || readingInsertion_) return false;
    auto words = ReadRomanNumeral(
        word, RomanContextAt(*currentSentence_, mainCursor_.GetText(),
                             static_cast<uint32_t>(wordStart_), mainCursor_.GetRest()));
    if (!words) return false;
    currentSentence_->AppendText(*words, sourceText_);
    return true;
}

bool STextAnalyser::OfferToGovernedHourNoun(const std::string& word) {
    if (!GetSettings()->extendedReading || !GetSettings()->convertTime || readingInsertion_)
        return false;
    auto noun =
        GovernedHourNoun(Lowered(word), LastWordOf(*currentSentence_), mainCursor_.GetRest());
    if (!noun) return false;
    sourceText_ = word;
    currentSentence_->AppendText(*noun, sourceText_);
    return true;
}

bool STextAnalyser::OfferToDeclinedAbbreviation(const std::string& word) {
    if (!GetSettings()->extendedReading || readingInsertion_) return false;
    auto words = ReadDeclinedAbbreviation(Lowered(word), mainCursor_.GetText(),
                                          static_cast<uint32_t>(wordStart_), mainCursor_.GetRest());
    if (!words) return false;
    sourceText_ = word;
    currentSentence_->AppendText(*words, sourceText_);
    return true;
}

bool STextAnalyser::ReadInflectedAcronym(std::string& buffer, STextCursor& cursor) {
    const SAttribute& settings = *GetSettings();
    if (!settings.extendedReading || !settings.convertAbbrev || &cursor != &mainCursor_ ||
        readingInsertion_)
        return false;
    SSentenceSink sink(*currentSentence_);
    auto end = ::ReadInflectedAcronym(buffer, cursor.GetText(), cursor.GetPosition() - 1, settings,
                                      SpellOrEmpty(spell_), sink);
    if (!end) return false;
    if (atSentenceStart_) currentSentence_->start = wordStart_;
    sourceText_ = std::string(cursor.GetText() + wordStart_, cursor.GetText() + *end);
    ResetWordBuffer(buffer);
    cursor.SetPosition(*end);
    return true;
}

bool STextAnalyser::OfferToSpelling(const std::string& word) {
    SSpellingContext context;
    context.fromReplacement = readingInsertion_;
    context.atSentenceStart = atSentenceStart_;
    context.allCapsStart = allCapsStart_ != 0;
    context.mainTextRest = mainCursor_.GetRest();
    context.sourceText = sourceText_;
    SSentenceSink sink(*currentSentence_);
    return SpellIfAbbreviation(word, context, *GetSettings(), SpellOrEmpty(spell_), sink);
}

// The cursor stands just after the run's first character.
bool STextAnalyser::ReadRepeated(STextCursor& cursor, std::string* pending) {
    const uint32_t start = cursor.GetPosition() - 1;
    auto run = FindRepeatedRun(cursor.GetText(), start, GetSettings()->readSeparators);
    if (!run) return false;
    if (pending && !pending->empty()) FlushWord(*pending, 0, true, 0);
    SSentenceSink sink(*currentSentence_);
    AppendRepeatedRun(*run, SpellOrEmpty(spell_), sink);
    cursor.SetPosition(start + static_cast<uint32_t>(run->Length()));
    endOfSentence_ = endOfSentence_ || IsFull(*currentSentence_);
    return true;
}

bool STextAnalyser::ReadAddress(STextCursor& cursor) {
    uint32_t position = cursor.GetPosition() - 1;
    SSentenceSink sink(*currentSentence_);
    if (!::ReadAddress(cursor.GetText(), position, SpellOrEmpty(spell_), sink)) return false;
    cursor.SetPosition(position);
    endOfSentence_ = endOfSentence_ || IsFull(*currentSentence_);
    return true;
}

bool STextAnalyser::ReadDottedAbbreviation(STextCursor& cursor) {
    if (readingInsertion_) return false;
    uint32_t position = cursor.GetPosition() - 1;
    SSentenceSink sink(*currentSentence_);
    if (!::ReadDottedAbbreviation(cursor.GetText(), position, sink)) return false;
    cursor.SetPosition(position);
    return true;
}

bool STextAnalyser::ReadEmoticon(STextCursor& cursor) {
    uint32_t position = cursor.GetPosition() - 1;
    SSentenceSink sink(*currentSentence_);
    if (!::ReadEmoticon(cursor.GetText(), position, sink)) return false;
    cursor.SetPosition(position);
    return true;
}

int STextAnalyser::ReadTag(STextCursor& cursor, std::string& buffer) {
    uint32_t position = cursor.GetPosition();
    int code =
        ::ReadTag(cursor.GetText(), position, *GetSettings(), buffer, &currentSentence_->wave);
    cursor.SetPosition(position);
    return code;
}

// The cursor stands on the digit or '-'.
bool STextAnalyser::ReadNumber(STextCursor& cursor) {
    uint32_t position = cursor.GetPosition();
    SSentenceSink sink(*currentSentence_);
    if (!::ReadNumber(cursor.GetText(), position, *GetSettings(), sink)) return false;
    cursor.SetPosition(position);
    endOfSentence_ = endOfSentence_ || IsFull(*currentSentence_);
    return true;
}

const std::string* STextAnalyser::CharacterName(unsigned char c) const {
    if (GetSettings()->extendedReading)
        if (const std::string* name = ExtendedCharacterName(ToLowerChar(c))) return name;
    if (!spell_) return nullptr;
    int index = spell_->Find(std::string(1, static_cast<char>(ToLowerChar(c))));
    return index >= 0 ? &spell_->ValueAt(index) : nullptr;
}
