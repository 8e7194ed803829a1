// The engine as the SAPI 5 voice drives it: the C interface's engine, which
// also tells its listener where each sentence it starts lies and how long
// each of its words is in the text (the word marks carry only offsets).
#pragma once

#include <cstdint>
#include <unordered_map>

#include "engine/tts_engine.h"

// Word and sentence extents, in engine characters of the request text.
struct SSentenceSpan {
    uint32_t start = 0;
    uint32_t end = 0;
    std::unordered_map<uint32_t, uint32_t> wordEnds;  // word start -> its end
};

class SVoiceEngine : public STtsEngine {
public:
    // Called when the engine moves on to a sentence, before any of its sound.
    class SListener {
    public:
        virtual ~SListener() = default;
        virtual void SentenceStarted(const SSentenceSpan& span) = 0;
    };

    explicit SVoiceEngine(SAttribute* settings) : STtsEngine(nullptr, settings) {}
    void SetListener(SListener* listener) { listener_ = listener; }

protected:
    SSentence* NextSentence() override;

private:
    SListener* listener_ = nullptr;
};
