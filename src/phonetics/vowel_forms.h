// Form operations on a word's allophones used by the sentence rules. None of
// them changes a locked record. An operation that inserts a record next to
// the given one returns the index of the given record's last piece, else the
// given index.
#pragma once

#include "model/alofon.h"

// Feature bits of an id as the rules see them: the inventory's (the voice's
// patterns carry the same bits); 0 above 111.
int RuleFeatures(int id);
// RuleFeatures of the record at index; 0 out of range.
int RuleFeaturesAt(const SAlofonBff& word, int index);
bool IsVowelAt(const SAlofonBff& word, int index);
bool IsConsonantAt(const SAlofonBff& word, int index);
int CountVowels(const SAlofonBff& word);

// Plain vowel -> phrase-final form; a stressed a..y splits into plain +
// final form.
int FinalForm(SAlofonBff& word, int index);
// Lengthen: a..y (plain or stressed) becomes a doubled plain vowel.
// Otherwise plain -> stressed, final a..y gets a plain copy before it,
// other finals (nasals, i-vowels) -> their stressed form.
int StressForm(SAlofonBff& word, int index, bool lengthen);
// m, n, ll, lll -> their phrase-final forms.
void FinalConsonant(SAlofonBff& word, int index);
// From the end: the second vowel found, or the only one; -1 with no vowel.
int StressedVowel(const SAlofonBff& word);
