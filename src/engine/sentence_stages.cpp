#include "engine/sentence_stages.h"

#include "model/sentence.h"
#include "phonetics/sentence_rules.h"
#include "synthesis/timing.h"
#include "text/text_analyser.h"

namespace {

void TimeSentence(SSentence& sentence) {
    ComputeTiming(sentence);
}

}  // namespace

const SSentenceStage kSentenceStages[] = {
    {"sentence rules", ApplySentenceRules},
    {"timing", TimeSentence},
    {nullptr, nullptr},
};

void RunSentenceStages(SSentence& sentence) {
    for (const SSentenceStage* stage = kSentenceStages; stage->run; ++stage) stage->run(sentence);
}

SSentence* NextReadySentence(STextAnalyser& analyser) {
    SSentence* sentence = analyser.NextSentence();
    if (sentence) RunSentenceStages(*sentence);
    return sentence;
}
