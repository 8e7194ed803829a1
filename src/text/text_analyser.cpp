// MINIMAL PLACEHOLDER until the segmentation driver lands: every text reads
// as having no sentence. The owner replaces this file.
#include "text/text_analyser.h"

#include "engine/attribute.h"

STextAnalyser::STextAnalyser(STtsEngine* engine) : engine_(engine) {}

STextAnalyser::~STextAnalyser() = default;

void STextAnalyser::Attach(SAttribute* settings, const SSpell* spell, const SDictionary* dictionary) {
    settings_ = settings;
    spell_ = spell;
    dictionary_ = dictionary;
}

SAttribute* STextAnalyser::GetSettings() const {
    return settings_ ? settings_ : &DefaultAttribute();
}

void STextAnalyser::BeginText(const char* /*text*/) {
    currentSentence_.reset();
    endOfInput_ = true;
    sentenceCounter_ = -1;
}

SSentence* STextAnalyser::NextSentence() {
    currentSentence_.reset();
    return nullptr;
}
