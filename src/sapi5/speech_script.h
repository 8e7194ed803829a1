// The fragment list of one Speak call turned into what the engine speaks:
// runs of engine text (fragments of one voice state joined, bookmarks as
// \Mrk=n\ tags between them) and silences. A fragment boundary is a word
// boundary; bookmark and unknown-tag text is never read.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "capi/engine_text.h"
#include "sapi5/sapi5_ddk.h"

// What moves the voice, per fragment (the site's baselines are added later).
struct SVoiceState {
    long rateAdj = 0;       // SAPI rate steps (log scale, +10 = three times as fast)
    unsigned volume = 100;  // per cent, linear
    long middleAdj = 0;     // pitch steps, 24 an octave

    bool operator==(const SVoiceState&) const = default;
};

// A bookmark as the application named it: wParam is its number.
struct SScriptBookmark {
    std::u16string name;
    long value = 0;  // what _wtol reads from the name
};

struct SScriptItem {
    enum class Kind { Text, Silence } kind = Kind::Text;
    SVoiceState state;
    // Text: the engine's text with each character's offset in the application's
    // string; `inserted` marks the blanks and tags added between fragments.
    SEngineText text;
    std::vector<uint8_t> inserted;
    // Bookmark n of the text (\Mrk=n\) is bookmarks[n - 1].
    std::vector<SScriptBookmark> bookmarks;
    uint32_t silenceMs = 0;  // Silence
};

// Longest silence one fragment asks for that is honoured, in milliseconds.
inline constexpr uint32_t kMaxSilenceMs = 60000;
// Longest text of one engine request, in characters: word offsets must fit
// the engine's marks; a longer run is cut at a blank before this.
inline constexpr size_t kMaxRunChars = 1u << 19;

// Most fragments of one list that are read (one per word of a long text fits).
inline constexpr size_t kMaxFragments = 1u << 22;

// Builds the items for a fragment list (null: none). `userSpellMode` is the
// saved spelling setting that a spelled fragment restores after itself.
std::vector<SScriptItem> BuildSpeechScript(const SPVTEXTFRAG* fragments, bool userSpellMode);

// True when following pNext from `fragments` comes back to a fragment seen
// before (a list no caller should send; reading it would never end).
bool LoopsBack(const SPVTEXTFRAG* fragments);

// What _wtol reads from a bookmark name: optional blanks and sign, then
// digits; no digits give 0; too large values saturate.
long BookmarkValue(std::u16string_view name);
