// The letter table: one step reads the byte at the current position (and
// perhaps one or two after it) and yields a main allophone, an optional "j"
// or "ll" glide and an optional follow-up vowel, appended in that order.
#pragma once

#include <cstddef>
#include <string>

class SWord;

class SLetterReader {
public:
    // The word's text must already be lower-cased.
    explicit SLetterReader(SWord& word);

    // Transcribes the whole text, appending to the word's allophones.
    void ReadAll();

private:
    unsigned char At(size_t index) const;
    unsigned char Next() const { return At(position_ + 1); }
    void Consume() { ++position_; }

    void Step();
    void ReadLetter(unsigned char c);
    bool ReadVowel(unsigned char c);
    bool ReadConsonant(unsigned char c);
    bool ReadPunctuation(unsigned char c);
    void ReadI();
    void ReadJ();
    void ReadC();
    void ReadD();
    void ReadN();
    void ReadTagSequence();
    bool SoftI(bool glideAllowed);
    void Emit();

    SWord& word_;
    const std::string& text_;
    size_t position_ = 0;  // byte being read; the last consumed byte after a step
    int main_;             // M: main allophone, kNone for none
    int vowel_;            // V: follow-up vowel, kNone for none
    bool glide_ = false;   // append "j"
    bool wGlide_ = false;  // append "ll"
};
