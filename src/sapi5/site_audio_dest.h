// Where the engine's sound goes during one run of a Speak call: PCM to the
// site (through SSiteOutput), and the engine's marks turned into SAPI 5
// events at the byte they belong to: word and sentence boundaries with their
// offsets in the application's string, bookmarks with their names and
// numbers, visemes from the allophones. A forward skip drops the sound of
// the sentences skipped; any other skip, an abort or a failed write stops
// the engine's step at once (no room, data refused).
#pragma once

#include <cstdint>
#include <functional>

#include "core/audio_dest.h"
#include "sapi5/site_output.h"
#include "sapi5/speech_script.h"
#include "sapi5/voice_engine.h"

class SSiteAudioDest final : public SAudioDest, public SVoiceEngine::SListener {
public:
    // `firstChar` is where the engine's request starts in the run's text (a
    // restart after a skip back speaks from a later sentence).
    // `sentenceStarts` (run characters, rising) outlives restarts of the run.
    // `rateChanged` is called when the site's rate changed during a write.
    SSiteAudioDest(SSiteOutput& output, STtsEngine& engine, const SScriptItem& run,
                   uint32_t firstChar, std::vector<uint32_t>& sentenceStarts,
                   std::function<void()> rateChanged);

    uint32_t FreeSpace() override;
    bool DataSet(const void* data, uint32_t bytes) override;
    bool BookMark(uint32_t mark) override;
    void SentenceStarted(const SSentenceSpan& span) override;

    // True when the engine must stop: speaking ended or a skip back needs a restart.
    bool Halted() const { return output_.Ended() || restart_; }
    // Where a skip back asks the run to start again (run characters), if it does.
    bool TakeRestart(uint32_t& runChar);

private:
    bool Dropping() const { return dropSentences_ > 0; }
    void SendPendingSentence();
    bool SendWord(uint32_t engineOffset);
    bool SendBookmark(uint32_t number);
    bool SendViseme(uint32_t allophone);
    // Takes a skip the site asked for; false when the engine must stop for it.
    bool HandleSkip();
    // Offset in the application's string of a character of the run.
    uint32_t SourceAt(uint32_t runChar) const;

    SSiteOutput& output_;
    STtsEngine& engine_;
    const SScriptItem& run_;
    uint32_t firstChar_;
    SSentenceSpan sentence_;
    bool sentencePending_ = false;
    std::vector<uint32_t>& sentenceStarts_;
    std::function<void()> rateChanged_;
    size_t sentenceIndex_ = 0;  // the sentence being spoken, in sentenceStarts_
    long dropSentences_ = 0;
    bool restart_ = false;
    uint32_t restartChar_ = 0;
};
