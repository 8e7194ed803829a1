// Polish ordinal numerals in a gender and case: 1..999, every part of a
// compound inflected ("dwudziestym pierwszym"). Windows-1250 words, each
// followed by a blank.
#pragma once

#include <string>

#include "resources/ordinal_words.h"

// Words of the ordinal, or an empty string outside 1..999.
std::string OrdinalWords(int n, SGender gender, SCase grammaticalCase);
