// Rules over a whole transcribed sentence: voicing assimilation inside and
// across words, vowel hiatus, nasal vowels before consonants, phrase-final
// devoicing and forms, inter-word pauses and lexical stress. Rewrites the
// words' allophones in place and sets their stressed flags.
#pragma once

struct SPhrase;
class SSentence;
class SWord;

// Phrase rules for every stress group, then the cross-word pass, then the
// accent pass (stressed vowels; the last accent before a pause is doubled).
void ApplySentenceRules(SSentence& sentence);

// Phrase-final devoicing, word rules, the final vowel or consonant form and
// the stressed flags of one stress group.
void PhraseRules(SSentence& sentence, const SPhrase& phrase);

// Assimilation inside one word. Leaves control words, phonetic words and
// words of fewer than two allophones alone.
void WordRules(SWord& word);
