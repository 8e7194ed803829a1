// One word of a sentence: its text, the source text it stands for, where it
// came from in the request, its flags, and (through the base) its allophones.
#pragma once

#include <cstdint>
#include <string>

#include "core/bookmark.h"
#include "core/containers.h"
#include "model/alofon.h"

class SSentence;

class SWord : public SAlofonBff {
public:
    // Copies text and source text; every flag starts at 0.
    SWord(SSentence* sentence, std::string text, std::string sourceText, int32_t sourcePosition);
    SWord(const SWord&) = delete;
    SWord& operator=(const SWord&) = delete;

    // A word whose text starts with a byte below 32 carries a marker or a
    // control tag rather than letters.
    bool IsMarker() const { return !text.empty() && static_cast<unsigned char>(text[0]) < 32; }
    bool IsVisible() const { return hidden == 0; }

    SSentence* sentence;
    // Second or later word made from one piece of source text (an expansion,
    // a spelled name, a dictionary replacement).
    int32_t continuation = 0;
    int32_t closesPhrase = 0;  // a stress group ends after this word
    int32_t stressed = 0;      // carries its group's stress (sentence rules)
    int32_t phonetic = 0;      // allophones given explicitly by a tag
    int32_t control = 0;       // only carries a tag; produces no speech
    int32_t hidden = 0;        // control word, or no allophones at all
    int32_t colloquial = 0;    // copy of ColloquialSpeech when appended
    int32_t sourcePosition;    // character offset in the request text
    std::string text;          // what is transcribed (Windows-1250)
    std::string sourceText;    // the input text the word stands for
    SBookmarkBff bookmarks;    // marks that travel with the word
};

using SWordsArr = SPtrArray<SWord>;
