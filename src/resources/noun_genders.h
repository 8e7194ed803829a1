// Everyday nouns whose locative singular ends in "-e" or "-ie" ("w
// strefie", "o kryzysie", "w państwie"): that ending is shared by all three
// genders, so an adjective or an abbreviation agreeing with such a noun
// needs its nominative and gender from here. Windows-1250, lower-case.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "resources/unit_words.h"

// Nominative singular and gender of each noun.
const std::vector<std::pair<std::string, SGender>>& LocativeEndingNouns();
