#include "sapi5/speech_script.h"

#include <algorithm>
#include <climits>

#include "platform/codepage.h"

namespace {

constexpr char16_t kHighFirst = 0xD800, kLowFirst = 0xDC00, kLowLast = 0xDFFF;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// Appends markup of our own, every character at the given source offset.
void AppendInserted(SScriptItem& item, std::string_view markup, uint32_t offset) {
    for (char c : markup) {
        item.text.cp1250 += c;
        item.text.sourceOffset.push_back(offset);
        item.inserted.push_back(1);
    }
}

// Appends UTF-16 text: a surrogate pair is one character, a lone surrogate
// becomes '?', NUL a blank (it would end the engine's text).
void AppendUtf16(SScriptItem& item, std::u16string_view text, uint32_t firstOffset) {
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        const auto offset = static_cast<uint32_t>(firstOffset + i);
        if (c >= kHighFirst && c < kLowFirst && i + 1 < text.size() && text[i + 1] >= kLowFirst &&
            text[i + 1] <= kLowLast) {
            c = 0x10000 + ((c - kHighFirst) << 10) + (text[i + 1] - kLowFirst);
            ++i;
        } else if (c >= kHighFirst && c <= kLowLast) {
            c = u'?';
        }
        const char byte = c == 0 ? ' ' : UnicodeToCp1250(c);
        item.text.cp1250 += byte;
        item.text.sourceOffset.push_back(offset);
        item.inserted.push_back(0);
        // The engine reads this text with tags on (bookmarks travel as tags),
        // so a backslash of the caller's text is doubled: a web page read
        // aloud must never turn the volume down or spell the next text.
        if (byte == '\\') {
            item.text.cp1250 += byte;
            item.text.sourceOffset.push_back(offset);
            item.inserted.push_back(0);
        }
    }
}

// A word boundary before what comes next, unless there is one already.
void EnsureBlank(SScriptItem& item, uint32_t offset) {
    if (!item.text.cp1250.empty() && !IsBlank(item.text.cp1250.back()))
        AppendInserted(item, " ", offset);
}

class SScriptBuilder {
public:
    explicit SScriptBuilder(bool userSpellMode) : userSpellMode_(userSpellMode) {}

    void Add(const SPVTEXTFRAG& fragment) {
        const std::u16string_view text(fragment.pTextStart != nullptr
                                           ? reinterpret_cast<const char16_t*>(fragment.pTextStart)
                                           : u"",
                                       fragment.pTextStart != nullptr ? fragment.ulTextLen : 0);
        const SPVSTATE& state = fragment.State;
        switch (state.eAction) {
            case SPVA_Speak:
            case SPVA_Pronounce:  // the phone ids are not read: the text is spoken
                AddText(StateOf(state), text, fragment.ulTextSrcOffset, false);
                break;
            case SPVA_SpellOut:
                AddText(StateOf(state), text, fragment.ulTextSrcOffset, true);
                break;
            case SPVA_Silence:
                AddSilence(StateOf(state), state.SilenceMSecs);
                break;
            case SPVA_Bookmark:
                AddBookmark(text, fragment.ulTextSrcOffset);
                break;
            default:  // sections and unknown tags are never spoken
                break;
        }
    }

    std::vector<SScriptItem> Finish() {
        CloseText();
        return std::move(items_);
    }

private:
    static SVoiceState StateOf(const SPVSTATE& state) {
        return {state.RateAdj, static_cast<unsigned>(std::min<ULONG>(state.Volume, 100)),
                state.PitchAdj.MiddleAdj};
    }

    SScriptItem& OpenText(const SVoiceState& state) {
        if (open_ &&
            (items_.back().state != state || items_.back().text.cp1250.size() >= kMaxRunChars)) {
            // Bookmarks alone do not start a run: they join the next text.
            if (HasOnlyTags(items_.back())) {
                items_.back().state = state;
                return items_.back();
            }
            CloseText();
        }
        if (!open_) {
            items_.emplace_back();
            items_.back().state = state;
            open_ = true;
        }
        return items_.back();
    }

    static bool HasOnlyTags(const SScriptItem& item) {
        for (uint8_t inserted : item.inserted)
            if (!inserted) return false;
        return true;
    }

    void CloseText() {
        if (!open_) return;
        SScriptItem& item = items_.back();
        item.text.sourceOffset.push_back(lastEnd_);
        open_ = false;
    }

    void AddText(const SVoiceState& state, std::u16string_view text, uint32_t offset, bool spell) {
        for (size_t at = 0; at < text.size();) {
            SScriptItem& item = OpenText(state);
            const size_t room =
                kMaxRunChars > item.text.cp1250.size() ? kMaxRunChars - item.text.cp1250.size() : 1;
            const size_t piece = PieceLength(text.substr(at), room);
            EnsureBlank(item, static_cast<uint32_t>(offset + at));
            if (spell) AppendInserted(item, "\\RmS=1\\", static_cast<uint32_t>(offset + at));
            AppendUtf16(item, text.substr(at, piece), static_cast<uint32_t>(offset + at));
            if (spell) {
                EnsureBlank(item, static_cast<uint32_t>(offset + at + piece));
                AppendInserted(item, userSpellMode_ ? "\\RmS=1\\" : "\\RmS=0\\",
                               static_cast<uint32_t>(offset + at + piece));
            }
            at += piece;
            lastEnd_ = static_cast<uint32_t>(offset + at);
        }
    }

    // How much of the text fits in `room` characters, cut after a blank
    // when it does not all fit.
    static size_t PieceLength(std::u16string_view text, size_t room) {
        if (text.size() <= room) return text.size();
        for (size_t at = room; at > room / 2; --at)
            if (text[at - 1] == u' ' || text[at - 1] == u'\n') return at;
        // Never split a surrogate pair.
        return (text[room - 1] >= kHighFirst && text[room - 1] < kLowFirst) ? room - 1 : room;
    }

    void AddSilence(const SVoiceState& state, ULONG ms) {
        CloseText();
        SScriptItem item;
        item.kind = SScriptItem::Kind::Silence;
        item.state = state;
        item.silenceMs = std::min<ULONG>(ms, kMaxSilenceMs);
        items_.push_back(std::move(item));
    }

    void AddBookmark(std::u16string_view name, uint32_t offset) {
        SScriptItem& item = open_ ? items_.back() : OpenText(SVoiceState{});
        item.bookmarks.push_back({std::u16string(name), BookmarkValue(name)});
        EnsureBlank(item, offset);
        AppendInserted(item, "\\Mrk=" + std::to_string(item.bookmarks.size()) + "\\", offset);
        lastEnd_ = offset;
    }

    bool userSpellMode_;
    std::vector<SScriptItem> items_;
    bool open_ = false;
    uint32_t lastEnd_ = 0;
};

}  // namespace

std::vector<SScriptItem> BuildSpeechScript(const SPVTEXTFRAG* fragments, bool userSpellMode) {
    SScriptBuilder builder(userSpellMode);
    // A list that loops back on itself ends here instead of never.
    size_t count = 0;
    for (const SPVTEXTFRAG* fragment = fragments; fragment != nullptr && count < kMaxFragments;
         fragment = fragment->pNext, ++count)
        builder.Add(*fragment);
    return builder.Finish();
}

bool LoopsBack(const SPVTEXTFRAG* fragments) {
    const SPVTEXTFRAG* slow = fragments;
    const SPVTEXTFRAG* fast = fragments;
    while (fast != nullptr && fast->pNext != nullptr) {
        slow = slow->pNext;
        fast = fast->pNext->pNext;
        if (slow == fast) return true;
    }
    return false;
}

long BookmarkValue(std::u16string_view name) {
    size_t at = 0;
    while (at < name.size() && (name[at] == u' ' || (name[at] >= u'\t' && name[at] <= u'\r'))) ++at;
    bool negative = false;
    if (at < name.size() && (name[at] == u'-' || name[at] == u'+')) negative = name[at++] == u'-';
    long long value = 0;
    for (; at < name.size() && name[at] >= u'0' && name[at] <= u'9'; ++at)
        value = std::min<long long>(value * 10 + (name[at] - u'0'), LLONG_MAX / 20);
    value = negative ? -value : value;
    return static_cast<long>(std::clamp<long long>(value, LONG_MIN, LONG_MAX));
}
