#include "synthesis/chunk_generator.h"

#include <algorithm>
#include <limits>

#include "core/attribute.h"
#include "model/alofon.h"
#include "model/inventory.h"
#include "model/pattern_store.h"
#include "model/sentence.h"
#include "model/wave.h"
#include "model/word.h"
#include "synthesis/apply_tag.h"
#include "synthesis/join_smoothing.h"
#include "synthesis/render.h"

namespace {

bool IsPauseWord(const SWord& word, const SVoicePair& voices) {
    if (word.GetSize() != 1) return false;
    int id = word[0]->id;
    if (id > kAlfErr || !voices.normal) return false;
    const SAlofonPatt* pattern = voices.normal->PatternAt(id);
    return pattern && (pattern->features & AF_PAUSE);
}

// The next run of words: [first, last] and its byte total.
struct SRun {
    int first = 0;
    int last = -1;
    int64_t total = 0;
};

// Walks from the sentence's next word, applying the tags met before any
// spoken word (unless only counting). The run ends before a tag that follows
// spoken words, after a pause word, or before the word that would take it
// past the chunk limit (unless that word is the run's first).
SRun SelectRun(SSentence& sentence, bool countOnly, const SChunkContext& context) {
    SRun run;
    run.first = sentence.nextWord;
    int count = sentence.words.GetSize();
    int i = run.first;
    int64_t lastBytes = 0;
    while (i < count) {
        const SWord& word = *sentence.words[i];
        bool endsBefore = false;
        if (!word.control) {
            lastBytes = WordByteCount(word);
            run.total += lastBytes;
        } else if (run.total > 0) {
            --i;
            endsBefore = true;
        } else if (!countOnly && context.settings) {
            ApplyTag(word, *context.settings, context.actions);
        }
        if (run.total > kMaxChunkBytes) {
            if (i > run.first) {
                run.total -= lastBytes;
                --i;
            }
            break;
        }
        if (endsBefore) break;
        // A silent pause word of no length does not end a run: an empty run
        // would end the sentence and drop the words after it.
        if (run.total > 0 && IsPauseWord(word, context.voices)) break;
        ++i;
    }
    run.last = std::min(i, count - 1);
    return run;
}

uint32_t MarkValue(int64_t value) {
    return static_cast<uint32_t>(std::clamp<int64_t>(value, 0, 0xFFFF));
}

// The mark a tag word makes in the audio, if any.
bool TagMark(const SWord& word, uint32_t position, SBookmark& mark) {
    int64_t arg = TagArgument(word.text);
    switch (TagCarrierOf(word)) {
        case kCarrierPitch:
            mark = MakeBookmark(kMarkPitch, MarkValue(arg), position);
            return true;
        case kCarrierSpeed:
            mark = MakeBookmark(kMarkSpeed, MarkValue(arg), position);
            return true;
        case kCarrierVolume:
            mark = MakeBookmark(kMarkVolume, MarkValue(arg), position);
            return true;
        case kCarrierBookmark:
            mark = MakeBookmark(kMarkBookmark, static_cast<uint32_t>(std::max<int64_t>(arg, 0)),
                                position);
            return true;
        default:
            return false;
    }
}

// One allophone mark per record, at the byte where its sound starts.
void AddAllophoneMarks(SWord& word, uint32_t start, SBookmarkBff& marks) {
    uint32_t position = start;
    for (int r = 0; r < word.GetSize(); ++r) {
        const SAlofon& alofon = *word[r];
        word.bookmarks.Add(
            MakeBookmark(kMarkAllophone, static_cast<uint32_t>(alofon.id) & 0xFFFF, position));
        if (alofon.id <= kAlfLastSounding)
            position += 2u * static_cast<uint32_t>(std::max(alofon.SampleCount(), 0));
    }
    marks.Append(word.bookmarks.GetData(), word.bookmarks.GetSize());
}

// Smooths every join between two allophones of the run that sound one right
// after the other (a pause or a tag between them keeps them apart).
void SmoothRunJoins(SSentence& sentence, const SRun& run, SWave& wave, const SVoicePair& voices) {
    auto* samples = reinterpret_cast<int16_t*>(wave.GetData());
    const SAlofon* previous = nullptr;
    int64_t at = 0;  // samples from the start of the wave
    for (int k = run.first; k <= run.last; ++k) {
        const SWord& word = *sentence.words[k];
        if (word.control) {
            previous = nullptr;
            continue;
        }
        for (int i = 0; i < word.GetSize(); ++i) {
            const SAlofon& alofon = *word[i];
            if (alofon.id > kAlfLastSounding) continue;
            const int n = std::max(alofon.SampleCount(), 0);
            if (n == 0) continue;
            if (previous && alofon.id < kAlfFirstPause)
                SmoothJoin(*previous, alofon, samples + at, voices);
            previous = alofon.id < kAlfFirstPause ? &alofon : nullptr;
            at += n;
        }
    }
}

// Renders words first..last into the wave with their marks.
void RenderRun(SSentence& sentence, const SRun& run, SWave& wave, SBookmarkBff& marks,
               const SChunkContext& context) {
    uint32_t volume = context.settings ? context.settings->volume : 0xFFFF;
    int64_t offset = 0;
    for (int k = run.first; k <= run.last; ++k) {
        SWord& word = *sentence.words[k];
        uint32_t start = static_cast<uint32_t>(offset);
        if (word.control) {
            SBookmark mark;
            if (TagMark(word, start, mark)) marks.Add(mark);
            continue;
        }
        // Hidden words (a blank between words) are not spoken: no word mark.
        if (!word.continuation && !word.hidden)
            marks.Add(MakeBookmark(kMarkWord,
                                   static_cast<uint32_t>(std::max(word.sourcePosition, 0)), start));
        offset += RenderWord(word, wave.GetData() + offset, context.voices);
        if (sentence.allophoneMarks) AddAllophoneMarks(word, start, marks);
    }
    if (context.settings && context.settings->smoothJoins)
        SmoothRunJoins(sentence, run, wave, context.voices);
    // One volume for the run: scaling it whole equals scaling word by word.
    ApplyVolume(reinterpret_cast<int16_t*>(wave.GetData()), static_cast<int>(offset), volume);
}

// A run without sound (tags at the end of a sentence, or a sentence of tags
// alone) still makes its tag marks, all at byte 0 of the empty wave, so they
// reach the client before the text ends.
void MarkSoundlessRun(const SSentence& sentence, const SRun& run, SBookmarkBff& marks) {
    for (int k = run.first; k <= run.last; ++k) {
        SBookmark mark;
        if (sentence.words[k]->control && TagMark(*sentence.words[k], 0, mark)) marks.Add(mark);
    }
}

}  // namespace

int64_t WordByteCount(const SWord& word) {
    int64_t samples = 0;
    for (int i = 0; i < word.GetSize(); ++i)
        if (word[i]->id <= kAlfLastSounding) samples += std::max(word[i]->SampleCount(), 0);
    return 2 * samples;
}

int NextChunk(SSentence& sentence, SWave& wave, SBookmarkBff& marks, bool countOnly,
              const SChunkContext& context) {
    if (!countOnly && wave.GetSize() > 0 && wave.sent < wave.GetSize())
        return wave.GetSize() - wave.sent;
    ++sentence.chunkCounter;
    if (!countOnly) {
        wave.Rewind();
        marks.RemoveAll();
    }
    SRun run = SelectRun(sentence, countOnly, context);
    if (countOnly) {
        sentence.nextWord = run.last + 1;
        return static_cast<int>(std::min<int64_t>(run.total, std::numeric_limits<int>::max()));
    }
    if (run.total <= 0) {
        MarkSoundlessRun(sentence, run, marks);
        sentence.nextWord = run.last + 1;
        return 0;
    }
    if (run.total > std::numeric_limits<int>::max()) return 0;
    wave.Allocate(static_cast<int>(run.total));
    if (wave.GetSize() != run.total) return 0;
    RenderRun(sentence, run, wave, marks, context);
    sentence.nextWord = run.last + 1;
    return wave.GetSize();
}
