// Verbs that take a direct object in the accusative ("wypiłem pół
// szklanki", "zjadł jedną trzecią tortu"), as the stems their forms begin
// with; and the endings of the forms everyday text uses: the past tense,
// the present tense and the imperative. Windows-1250, lower-case.
#pragma once

#include <string>
#include <vector>

const std::vector<std::string>& AccusativeVerbStems();

// The endings after a stem, "" for the bare stem ("wsyp", "dodaj").
const std::vector<std::string>& VerbFormEndings();
