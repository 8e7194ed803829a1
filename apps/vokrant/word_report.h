// --words: the analysis of the text, one JSON object per word, no audio.
#pragma once

#include <cstdio>
#include <string>

class STtsEngine;
class SWord;

// Analyses `cp1250Text` sentence by sentence with the engine's analyser and
// writes one line per word (hidden words included) to `out`.
void WriteWordReport(STtsEngine& engine, const std::string& cp1250Text, std::FILE* out);

// The JSON line of one word (sentence and index 0-based).
std::string WordJson(const SWord& word, int sentence, int index);

// An allophone's display name: its pattern's name in the normal voice, else
// its inventory name, else "#" and the id (tag carriers).
std::string AllophoneName(int id);
