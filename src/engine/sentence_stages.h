// The speak pipeline, stage by stage, in the order it runs:
//
//   segment, normalise   text/text_analyser       cut a sentence, read numbers, tags, addresses...
//   transcribe           phonetics/transcribe     each word the moment it is appended
//   stress groups        text/phrase_builder      when the sentence is complete
//   sentence rules       phonetics/sentence_rules rewrites across word boundaries
//   timing               synthesis/timing         pattern positions for every output sample
//   render, chunk        synthesis/chunk_generator runs of whole words with their marks
//   send                 model/wave               to the audio destination (STtsEngine::SpeakStep)
//
// The analyser does the first three itself, a sentence at a time; the
// sentence stages below finish the sentence it returns; the engine then
// renders and sends it a chunk at a time.
#pragma once

class SSentence;
class STextAnalyser;

struct SSentenceStage {
    const char* name;
    void (*run)(SSentence& sentence);
};

// The stages a sentence passes between analysis and rendering, in order;
// the list ends with an entry whose run is null.
extern const SSentenceStage kSentenceStages[];

// Runs every sentence stage on the sentence.
void RunSentenceStages(SSentence& sentence);

// The analyser's next sentence, ready to render, or null at the end of the text.
SSentence* NextReadySentence(STextAnalyser& analyser);
