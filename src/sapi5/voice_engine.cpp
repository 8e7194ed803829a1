#include "sapi5/voice_engine.h"

#include <algorithm>

#include "model/sentence.h"
#include "model/word.h"

namespace {

SSentenceSpan SpanOf(const SSentence& sentence) {
    SSentenceSpan span;
    bool any = false;
    for (int k = 0; k < sentence.WordCount(); ++k) {
        const SWord& word = *sentence.words[k];
        if (word.control || word.continuation || word.hidden || word.sourcePosition < 0) continue;
        const auto start = static_cast<uint32_t>(word.sourcePosition);
        const auto end = start + static_cast<uint32_t>(word.sourceText.size());
        span.wordEnds.emplace(start, end);
        span.start = any ? std::min(span.start, start) : start;
        span.end = std::max(span.end, end);
        any = true;
    }
    return span;
}

}  // namespace

SSentence* SVoiceEngine::NextSentence() {
    SSentence* sentence = STtsEngine::NextSentence();
    if (sentence != nullptr && listener_ != nullptr) listener_->SentenceStarted(SpanOf(*sentence));
    return sentence;
}
