#include "sapi5/site_audio_dest.h"

#include <algorithm>

#include "core/bookmark.h"
#include "sapi5/viseme_table.h"

namespace {
// The engine never holds more than one chunk; this only bounds a step.
constexpr uint32_t kRoom = 1u << 20;
}  // namespace

SSiteAudioDest::SSiteAudioDest(SSiteOutput& output, STtsEngine& engine, const SScriptItem& run,
                               uint32_t firstChar, std::vector<uint32_t>& sentenceStarts,
                               std::function<void()> rateChanged)
    : output_(output),
      engine_(engine),
      run_(run),
      firstChar_(firstChar),
      sentenceStarts_(sentenceStarts),
      rateChanged_(std::move(rateChanged)) {}

uint32_t SSiteAudioDest::FreeSpace() {
    return Halted() ? 0 : kRoom;
}

bool SSiteAudioDest::TakeRestart(uint32_t& runChar) {
    if (!restart_) return false;
    restart_ = false;
    runChar = restartChar_;
    return true;
}

uint32_t SSiteAudioDest::SourceAt(uint32_t runChar) const {
    return SourceOffset(run_.text, runChar);
}

void SSiteAudioDest::SentenceStarted(const SSentenceSpan& span) {
    sentence_ = span;
    sentence_.start += firstChar_;
    sentence_.end += firstChar_;
    // A sentence heard again after a skip back keeps its place in the list.
    auto at = std::lower_bound(sentenceStarts_.begin(), sentenceStarts_.end(), sentence_.start);
    if (at == sentenceStarts_.end() || *at != sentence_.start)
        at = sentenceStarts_.insert(at, sentence_.start);
    sentenceIndex_ = static_cast<size_t>(at - sentenceStarts_.begin());
    if (dropSentences_ > 0) --dropSentences_;
    sentencePending_ = !Dropping();
}

void SSiteAudioDest::SendPendingSentence() {
    if (!sentencePending_) return;
    sentencePending_ = false;
    if (sentence_.end <= sentence_.start) return;  // tags only: nothing to point at
    const uint32_t start = SourceAt(sentence_.start);
    output_.AddEvent(SPEI_SENTENCE_BOUNDARY, SourceAt(sentence_.end) - start, start);
}

bool SSiteAudioDest::DataSet(const void* data, uint32_t bytes) {
    const auto* at = static_cast<const unsigned char*>(data);
    while (!Halted()) {
        if (output_.SkipPending() && !HandleSkip()) return false;
        if (Dropping()) return true;
        SendPendingSentence();
        const bool written = output_.WritePcm(at, bytes);
        // The sentences analysed from now on are read at the new rate.
        if (output_.TakeRateChange() && rateChanged_) rateChanged_();
        if (written) return true;
        if (!output_.SkipPending()) return false;
        // The sound after the skip point is what the skip leaves out.
        bytes = 0;
    }
    return false;
}

bool SSiteAudioDest::BookMark(uint32_t mark) {
    if (Halted()) return false;
    const SDecodedMark decoded = DecodeMark(mark);
    switch (decoded.kind) {
        case SMarkKind::UserBookmark:
            return SendBookmark(decoded.value);
        case SMarkKind::WordStart:
            return Dropping() || SendWord(decoded.value);
        case SMarkKind::Allophone:
            return Dropping() || SendViseme(decoded.value);
        default:
            return true;  // the end mark and tag changes are not SAPI 5 events
    }
}

bool SSiteAudioDest::SendWord(uint32_t engineOffset) {
    SendPendingSentence();
    const auto found = sentence_.wordEnds.find(engineOffset);
    const uint32_t start = engineOffset + firstChar_;
    const uint32_t end = found != sentence_.wordEnds.end() ? found->second + firstChar_ : start;
    const uint32_t source = SourceAt(start);
    return output_.AddEvent(SPEI_WORD_BOUNDARY, SourceAt(end) - source, source);
}

bool SSiteAudioDest::SendBookmark(uint32_t number) {
    if (number == 0 || number > run_.bookmarks.size()) return true;  // a tag of the user's own
    const SScriptBookmark& bookmark = run_.bookmarks[number - 1];
    // The site copies the name while adding the event.
    return output_.AddEvent(SPEI_TTS_BOOKMARK, static_cast<WPARAM>(bookmark.value),
                            reinterpret_cast<LPARAM>(bookmark.name.c_str()), true);
}

bool SSiteAudioDest::SendViseme(uint32_t allophone) {
    // The mark being delivered is the engine's mark nextMark; the next
    // allophone mark of the chunk gives this one's length and next shape.
    const SBookmarkBff& marks = engine_.GetBookmarks();
    const auto index = static_cast<int>(engine_.GetWave().nextMark);
    uint32_t next = 0, durationMs = 0;
    if (index >= 0 && index < marks.GetSize()) {
        for (int k = index + 1; k < marks.GetSize(); ++k) {
            if (marks[k].category != kMarkAllophone) continue;
            next = VisemeForAllophone(marks[k].value);
            durationMs =
                (marks[k].position - marks[index].position) / 2 * 1000 / SSiteOutput::kSampleRate;
            break;
        }
    }
    return output_.AddEvent(SPEI_VISEME, MAKELONG(next, durationMs),
                            MAKELONG(VisemeForAllophone(allophone), 0));
}

bool SSiteAudioDest::HandleSkip() {
    long sentences = 0;
    if (!output_.TakeSkip(sentences)) return true;
    if (sentences > 0) {
        // The rest of this sentence and the next sentences - 1 are left out.
        dropSentences_ = sentences;
        output_.CompleteSkip(sentences);
        return true;
    }
    const size_t back = static_cast<size_t>(-sentences);
    const size_t target = sentenceIndex_ >= back ? sentenceIndex_ - back : 0;
    output_.CompleteSkip(-static_cast<long>(sentenceIndex_ - target));
    restartChar_ = sentenceStarts_.empty() ? 0 : sentenceStarts_[target];
    restart_ = true;
    return false;
}
