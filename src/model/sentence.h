// One sentence of the request: its words in order (hidden ones included),
// its stress groups and its output wave. Owned by the text analyser; the
// words, groups and wave die with it. Building it is the text stage's work:
// AppendWord, AppendText, AppendMarker and BuildPhrases transcribe and group
// the words and are defined in text/.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/phrase.h"
#include "model/wave.h"
#include "model/word.h"

class SAttribute;

class SSentence {
public:
    // The settings shape every word appended (not owned); without them
    // (tests, scratch sentences) the process-wide defaults are used.
    explicit SSentence(SAttribute* settings = nullptr) : settings_(settings) {}
    SSentence(const SSentence&) = delete;
    SSentence& operator=(const SSentence&) = delete;

    // Builds a word, sets its flags from the settings, transcribes it at once
    // and appends it. closes is forced to 1 while FluentSpeech is off.
    SWord* AppendWord(const std::string& text, const std::string& sourceText, int closes,
                      int continuation);
    // Splits text into words: letter runs become words (closes 1, the first
    // with continuation 0, later ones 1); every other byte except control
    // characters and blanks becomes a one-character word of its own.
    void AppendText(const std::string& text, const std::string& sourceText);
    // A word whose text is the single byte (closes 0, continuation 0).
    SWord* AppendMarker(unsigned char marker);

    int WordCount() const { return words.GetSize(); }
    SWord* WordAt(int index) const;
    int VisibleCount() const;
    // Array index of the visible word with that visible index; -1 if out of range.
    int VisibleToIndex(int visibleIndex) const;
    SWord* VisibleWordAt(int visibleIndex) const;
    // The visible words in order: one pass, for loops that would otherwise
    // look each one up by visible index (quadratic in long sentences).
    std::vector<SWord*> VisibleWords() const;

    // Groups the visible words into stress groups (replacing earlier ones).
    void BuildPhrases();
    // True when every word that is not a control word is a single space-class character.
    bool HasNoRealWords() const;

    // The source position given to the words appended from now on (the
    // request-text index of the word being collected); 0 until set.
    void SetWordStart(int32_t position) { wordStart_ = position; }
    int32_t GetWordStart() const { return wordStart_; }
    // Never null: the settings given, else the process-wide defaults.
    SAttribute* GetSettings() const;

    SWordsArr words;
    int32_t wordGrowStep = 0;   // 0 = default growth
    int32_t chunkCounter = -1;  // chunks generated so far, -1 before the first
    int32_t nextWord = 0;       // index of the next word to synthesise
    int32_t start = 0;          // request-text index of the first real word
    int32_t length = 0;         // request-text characters the sentence consumed
    SPhraseArr phrases;
    int32_t phraseGrowStep = 0;
    SWave wave;                  // synthesised samples of the sentence
    uint8_t allophoneMarks = 1;  // word renderer emits allophone marks
    // The sentence-end character ('.', '!' or '?') that closed the sentence,
    // kept also when it was the text's last character and so never became a
    // word of its own; 0 when the sentence ended otherwise. Only the
    // intonation reads it: the words are what the reading rules made.
    char endMark = 0;

private:
    bool IsClitic(const SWord& word) const;

    SAttribute* settings_;
    int32_t wordStart_ = 0;
};
