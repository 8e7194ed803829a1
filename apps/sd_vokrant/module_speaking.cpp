// The module speaking one message: SSML a piece at a time, a key or a
// character as one tagged text, a sound icon from its file; the events
// 701..705 to the server, and the commands read between audio blocks.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "module_session.h"
#include "sound_icon.h"

namespace {

// Sound icons go out in blocks of about 10 ms, like the voice's.
constexpr size_t kIconBlockMs = 10;

bool IsServerMark(const std::string& name) {
    return name.rfind(kServerMarkPrefix, 0) == 0;
}

}  // namespace

void SModuleSession::SpeakSsml(const std::string& ssml) {
    const SSsmlState start{settings_.speed, EngineVolume(settings_.volumeLevel, userVolume_),
                           settings_.spellMode};
    SSsmlConverter converter(ssml, start, kPieceBytes);
    // The server resuming a paused message: its spoken words are skipped, and
    // the rest is read within the elements open where it begins.
    const bool resumed = pausePoint_ && WithoutServerMarks(ssml) == pausePoint_->resumedText;
    if (resumed) {
        SSsmlConverter paused(pausePoint_->message, start);
        paused.SkipTo(pausePoint_->resumeAt);
        converter.OpenAs(paused);
    }
    const size_t wordsToSkip = resumed ? pausePoint_->wordsSpoken : 0;
    BeginSpeaking();
    message_ = ssml;
    wordsToSkip_ = wordsToSkip;
    skipping_ = wordsToSkip_ > 0;
    STaggedText piece;
    while (!Interrupted() && converter.Next(piece)) {
        SpeakPiece(std::move(piece));
        ReadPendingCommands();
    }
    EndSpeaking();
}

void SModuleSession::SpeakTagged(const std::string& tagged) {
    BeginSpeaking();
    SpeakPiece(STaggedText{tagged, {}});
    EndSpeaking();
}

// The named file from the sound-icon folder; without one, the name is read.
void SModuleSession::SoundIcon(const std::string& name) {
    SSoundIconAudio audio;
    const std::string path = SoundIconPath(config_.soundIconDir, name);
    if (path.empty() || !ReadSoundIcon(path, audio)) return SpeakTagged(EscapeTags(name));
    BeginSpeaking();
    const size_t block = static_cast<size_t>(audio.sampleRate) * kIconBlockMs / 1000;
    for (size_t at = 0; at < audio.samples.size() && !Interrupted(); at += block) {
        SendSamples(audio.samples.data() + at, std::min(block, audio.samples.size() - at),
                    audio.sampleRate);
        ReadPendingCommands();
    }
    EndSpeaking();
}

void SModuleSession::BeginSpeaking() {
    stopRequested_ = pauseRequested_ = paused_ = skipping_ = false;
    speaking_ = true;
    sampleGain_ = SampleGain(settings_.volumeLevel);
    message_.clear();
    lastServerMark_.clear();
    wordsSinceServerMark_ = wordsToSkip_ = 0;
    pausePoint_.reset();
    soundEnds_ = std::chrono::steady_clock::now();
    Reply("200 OK SPEAKING\n701 BEGIN\n");
}

void SModuleSession::SpeakPiece(STaggedText piece) {
    markNames_ = std::move(piece.markNames);
    marksReported_ = 0;
    const int status = vokrant_speak(voice_, piece.text.data(), piece.text.size(),
                                     VOKRANT_TEXT_TAGGED, EventThunk, this);
    if (status < 0) std::fprintf(stderr, "sd_vokrant: %s\n", vokrant_last_error(voice_));
    if (!Interrupted()) ReportMarksUpTo(markNames_.size());  // marks at the very end
    // Tags in the text may have moved the rate and volume, and settings may
    // have arrived: the next piece starts from the settings.
    ApplySettings();
}

void SModuleSession::EndSpeaking() {
    speaking_ = false;
    if (paused_) {
        Reply("704 PAUSE\n");
    } else if (stopRequested_) {
        Reply("703 STOP\n");
    } else {
        Reply("702 END\n");
    }
    if (quitRequested_) Reply("210 OK QUIT\n");
}

bool SModuleSession::Interrupted() const {
    return stopRequested_ || paused_ || serverGone_ || input_.AtEnd();
}

void SModuleSession::ReadPendingCommands() {
    for (std::string line; !stopRequested_ && input_.ReadLine(line, false);) Command(line);
}

// The samples scaled by the volume level below 0 (at -100, silence).
void SModuleSession::SendSamples(const int16_t* samples, size_t count, int sampleRate) {
    KeepPace(count, sampleRate);
    if (Interrupted()) return;
    if (sampleGain_ == 1.0) return Reply(AudioBlock(samples, count, sampleRate));
    std::vector<int16_t> scaled(samples, samples + count);
    for (int16_t& s : scaled) s = static_cast<int16_t>(std::lround(s * sampleGain_));
    Reply(AudioBlock(scaled.data(), scaled.size(), sampleRate));
}

// Sends no more than kLeadMs ahead of real time. The sound is played from
// the moment it arrives, or from where the sound before it ends.
void SModuleSession::KeepPace(size_t count, int sampleRate) {
    using namespace std::chrono;
    WaitForPlayback(kLeadMs);
    const auto length = duration_cast<steady_clock::duration>(
        duration<double>(static_cast<double>(count) / sampleRate));
    soundEnds_ = std::max(soundEnds_, steady_clock::now()) + length;
}

// Waits, reading commands, while more than `leadMs` of the sound sent is
// still to play.
void SModuleSession::WaitForPlayback(int leadMs) {
    using namespace std::chrono;
    for (;;) {
        const auto ahead = soundEnds_ - milliseconds(leadMs) - steady_clock::now();
        if (ahead <= steady_clock::duration::zero() || Interrupted()) return;
        input_.WaitForInput(static_cast<int>(ceil<milliseconds>(ahead).count()));
        ReadPendingCommands();
    }
}

int SModuleSession::EventThunk(const vokrant_event* event, void* self) {
    return static_cast<SModuleSession*>(self)->OnEvent(*event);
}

void SModuleSession::ReportMarksUpTo(size_t count) {
    OnBookmark(static_cast<uint32_t>(std::min(count, markNames_.size())));
}

int SModuleSession::OnEvent(const vokrant_event& event) {
    ReadPendingCommands();
    if (Interrupted()) return 1;
    switch (event.type) {
        case VOKRANT_EVENT_AUDIO:
            if (!skipping_) SendSamples(event.samples, event.sample_count, sampleRate_);
            return Interrupted() ? 1 : 0;
        case VOKRANT_EVENT_WORD:
            return OnWord();
        case VOKRANT_EVENT_BOOKMARK:
            OnBookmark(event.bookmark);
            return 0;
        default:
            return 0;
    }
}

// A word starts: skipped when a resumed message had spoken it already; the
// place to pause when a pause is asked for. The server stops playing at the
// mark reported here, and sends the text again from that mark on RESUME.
int SModuleSession::OnWord() {
    if (wordsToSkip_ > 0) {
        --wordsToSkip_;
        ++wordsSinceServerMark_;
        return 0;
    }
    skipping_ = false;
    // Even when pausing: the server must have played its marks before this
    // point when the mark reported here reaches it.
    WaitForPlayback(kBoundaryLeadMs);
    if (Interrupted()) return 1;
    if (!pauseRequested_) {
        ++wordsSinceServerMark_;
        return 0;
    }
    const std::string mark =
        lastServerMark_.empty() ? std::string(kBeforeFirstServerMark) : lastServerMark_;
    Reply("700-" + mark + "\n700 INDEX MARK\n");
    if (!message_.empty())
        pausePoint_ = SPausePoint{message_, AfterServerMark(message_, mark),
                                  ResumedText(message_, mark), wordsSinceServerMark_};
    paused_ = true;
    return 1;
}

// Marks are reported as they are reached; the client's marks of words
// spoken before a pause are not reported again on resuming.
void SModuleSession::OnBookmark(uint32_t bookmark) {
    if (bookmark == 0 || bookmark > markNames_.size()) return;
    for (; marksReported_ < bookmark; ++marksReported_) {
        const std::string& name = markNames_[marksReported_];
        if (IsServerMark(name)) {
            // The server pauses at the first of its marks played after a
            // PAUSE: this one must not wait in its queue, words ahead of a pause.
            if (!skipping_) WaitForPlayback(kBoundaryLeadMs);
            lastServerMark_ = name;
            wordsSinceServerMark_ = 0;
        } else if (skipping_) {
            continue;
        }
        Reply("700-" + SingleLine(name) + "\n700 INDEX MARK\n");
    }
}
