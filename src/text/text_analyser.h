// The text analyser: cuts the request text (Windows-1250) into sentences,
// one per NextSentence call, collecting letters into words and handing
// numbers, tags, addresses, emoticons and repeated characters to the
// normaliser's readers. Every word is transcribed as it is appended; a
// finished sentence gets its stress groups. The sentence rules and the
// timing are the engine's next stages (engine/sentence_stages.h).
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/sentence.h"
#include "text/text_cursor.h"

class SAttribute;
class SDictionary;
class SSpell;

class STextAnalyser {
public:
    // A sentence is cut after this many characters of input.
    static constexpr int kMaxSentenceChars = 2048;
    // A collected word longer than this is flushed; words are at most 65 bytes.
    static constexpr int kMaxWordChars = 64;

    STextAnalyser();
    ~STextAnalyser();
    STextAnalyser(const STextAnalyser&) = delete;
    STextAnalyser& operator=(const STextAnalyser&) = delete;

    // What the analyser reads, handed in by its engine. None is owned; settings may be
    // null (the process-wide defaults are used), spell and dictionary too
    // (no character names, no replacements).
    void Attach(SAttribute* settings, const SSpell* spell, const SDictionary* dictionary);

    // Starts a new text. The text is borrowed, not copied: it must stay alive
    // and unchanged until the last NextSentence. Null reads as empty.
    void BeginText(const char* text);
    // Deletes the previous sentence and returns the next one (owned by the
    // analyser), or null once the text is exhausted.
    SSentence* NextSentence();
    // The sentence returned last, or null.
    SSentence* CurrentSentence() const { return currentSentence_.get(); }

    SAttribute* GetSettings() const;  // never null
    const SSpell* GetSpell() const { return spell_; }
    const SDictionary* GetDictionary() const { return dictionary_; }

    int32_t GetWordStart() const { return wordStart_; }
    int32_t GetSentenceCounter() const { return sentenceCounter_; }
    const std::string& GetSourceText() const { return sourceText_; }
    bool IsAtSentenceStart() const { return atSentenceStart_; }
    bool IsAllCapsStart() const { return allCapsStart_ != 0; }
    // True while the character being handled came from the dictionary's
    // replacement text rather than the request text.
    bool IsReadingInsertion() const { return readingInsertion_; }
    const STextCursor& GetMainCursor() const { return mainCursor_; }

    // Turns the collected buffer into words: the dictionary first, then the
    // spelling decision, else one word. Returns true when the dictionary
    // replaced the buffer (nothing was appended). Empties the buffer.
    bool FlushWord(std::string& buffer, int closes, bool takeSource, int continuation);

private:
    STextCursor& ReadingCursor();
    void ResetWordBuffer(std::string& buffer);
    void StepCharacter(std::string& buffer, STextCursor*& previous);
    void HandleSentenceEnd(std::string& buffer, STextCursor& cursor, unsigned char c);
    void HandleBackslash(std::string& buffer, STextCursor& cursor);
    void HandleDigitOrMinus(std::string& buffer, STextCursor& cursor, unsigned char c);
    void HandleSeparator(std::string& buffer, STextCursor& cursor, unsigned char c);
    void HandleOther(std::string& buffer, STextCursor& cursor, unsigned char c, uint32_t readAt);
    void FlushSingle(std::string& buffer, unsigned char c, bool takeSource, int continuation);
    void SpellCharacter(STextCursor& cursor, unsigned char c);
    void MarkSentenceStarted();
    void SkipSentenceEnds();
    void FinishSentence();

    // The normaliser's readers. Each declines (false, or 0 for the tag
    // reader) when the text at the cursor is not its kind; the driver then
    // reads the characters itself. The cursor is the reading cursor, just
    // after the character c that was read, unless said otherwise; a reader
    // that accepts leaves it on the first character it did not consume.
    //
    // User dictionary: on a match the replacement becomes the insertion text.
    bool OfferToDictionary(const std::string& word);
    // Extended reading: a Roman numeral where Polish reads one (after a
    // ruler's name, before "wieku"...) becomes an ordinal; true when it did.
    bool OfferToRomanNumeral(const std::string& word);
    // "godz." after a preposition that governs the hour's case.
    bool OfferToGovernedHourNoun(const std::string& word);
    // Extended reading: "ul.", "tzw.", "prof." ... in the form the sentence
    // needs; `word` carries its period when it has one.
    bool OfferToDeclinedAbbreviation(const std::string& word);
    // Extended reading: the word in `buffer` is an acronym and the cursor
    // stands after a hyphen that joins it to its case ending ("NFZ-etu");
    // true when both were read (the buffer is then empty).
    bool ReadInflectedAcronym(std::string& buffer, STextCursor& cursor);
    // Abbreviation and spelling decision: true when it appended the names.
    bool OfferToSpelling(const std::string& word);
    // Runs of a repeated character or pair starting at c; flushes the
    // pending buffer itself when given one.
    bool ReadRepeated(STextCursor& cursor, std::string* pending);
    bool ReadAddress(STextCursor& cursor);
    // Extended reading: "m.in.", "p.n.e." and the like, before they can be
    // taken for addresses.
    bool ReadDottedAbbreviation(STextCursor& cursor);
    bool ReadEmoticon(STextCursor& cursor);
    // Cursor after the backslash. 0: not a tag (cursor unchanged); 1: tag
    // consumed, no word; otherwise the tag code, with the control word in buffer.
    int ReadTag(STextCursor& cursor, std::string& buffer);
    // Cursor on the digit or '-'. True when it consumed text and appended words.
    bool ReadNumber(STextCursor& cursor);
    // The spelling table's name of a character (looked up lower-cased), or null.
    const std::string* CharacterName(unsigned char c) const;

    int32_t wordStart_ = 0;
    int32_t sentenceCounter_ = -1;
    std::unique_ptr<SSentence> currentSentence_;
    STextCursor mainCursor_{true};
    STextCursor insertionCursor_{false};
    bool endOfInput_ = true;
    bool endOfSentence_ = false;
    int32_t upperCount_ = 0;
    int32_t lowerCount_ = 0;
    uint8_t allCapsStart_ = 0;
    bool atSentenceStart_ = false;
    std::string sourceText_;

    SAttribute* settings_ = nullptr;
    const SSpell* spell_ = nullptr;
    const SDictionary* dictionary_ = nullptr;
    bool readingInsertion_ = false;  // the current character is from the insertion
    bool insertionFirst_ = false;    // the next insertion word is its first
};
