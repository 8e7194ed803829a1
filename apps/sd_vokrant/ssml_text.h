// SSML as speech-dispatcher hands it to a module, turned into Vokrant's own
// tagged text: marks become numbered bookmark tags, breaks pause tags,
// prosody rate and volume speed and volume tags (restored at the element's
// end), say-as characters the spell mode; entities are decoded. Markup that
// is not understood is dropped and its content read; a backslash of the text
// is kept from starting a tag. Malformed markup never fails: what cannot be
// parsed is read as text.
//
// The work is linear in the message whatever its markup (every search for a
// closing '>', '-->', '?>' or ']]>' is remembered), and a long message is
// converted a piece at a time, so a module can speak each piece and read its
// commands in between.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "ssml_markup.h"

struct SSsmlState {
    int speed = 80;            // the rate the text starts with (speed scale)
    unsigned volume = 0xFFFF;  // the volume it starts with
    bool spellMode = false;    // the spell mode it starts with
};

struct STaggedText {
    std::string text;                    // UTF-8 with Vokrant tags
    std::vector<std::string> markNames;  // bookmark n carries markNames[n - 1]
};

// The first occurrence of a pattern at or after a position, remembered: asked
// with positions that only grow, it looks at each byte of the text once.
class SForwardFinder {
public:
    // `accept`, when given, passes over occurrences for which it says false.
    using SAccept = bool (*)(std::string_view text, size_t at);
    explicit SForwardFinder(std::string_view pattern, SAccept accept = nullptr)
        : pattern_(pattern), accept_(accept) {}
    // `examined` grows by the bytes looked at.
    size_t Find(std::string_view text, size_t from, size_t& examined);

private:
    std::string_view pattern_;
    SAccept accept_;
    size_t searchedFrom_ = std::string_view::npos;
    size_t found_ = std::string_view::npos;
};

class SSsmlConverter {
public:
    // `pieceBytes`: how much of the message one piece takes at most, but for
    // one element that runs past it (0: the whole message in one piece).
    SSsmlConverter(std::string_view ssml, const SSsmlState& start, size_t pieceBytes = 0);

    // The next piece, each a text of its own: it starts with the tags that
    // bring the rate, volume and spell mode to where the message stands, and
    // numbers its marks from 1. False once the whole message has been given.
    bool Next(STaggedText& piece);

    // Reads the message up to `offset` (the end of an element) without
    // giving any of it out: the elements open there stay open.
    void SkipTo(size_t offset);
    // Goes on with the elements open in `other`, and the rate and volume it
    // has there, as if this message had been read in its place.
    void OpenAs(const SSsmlConverter& other);

    // Bytes of the message looked at so far, every search counted.
    size_t BytesExamined() const { return examined_; }

private:
    struct SProsody {
        int speed;
        unsigned volume;
    };

    void Step(size_t pieceEnd);
    void TextRun(size_t end, size_t pieceEnd, bool raw);
    size_t CutPoint(size_t end) const;
    size_t Markup(size_t open);
    size_t Construct(size_t open, std::string_view begin, SForwardFinder& close,
                     size_t closeLength);
    void AppendText(std::string_view text, bool raw);
    bool Spelling() const { return spellDepth_ > 0 || start_.spellMode; }
    void Element(const SElement& element);
    void Mark(const SElement& element);
    void Pause(int ms);
    void OpenProsody(const SElement& element);
    void CloseProsody();
    void SetSpeed(int speed);
    void SetVolume(unsigned volume);
    void OpenSayAs(const SElement& element);
    void CloseSpell();
    void Substitute(const SElement& element);
    void CloseSubstitute();
    void StateTags();
    void CloseAll();

    std::string_view ssml_;
    SSsmlState start_;
    size_t pieceBytes_;
    size_t at_ = 0;
    bool inCdata_ = false;  // at_ is in the text of a CDATA section that ends at cdataEnd_
    size_t cdataEnd_ = 0;
    bool finished_ = false;
    bool pieceCut_ = false;  // the piece's text was cut: it ends there
    size_t examined_ = 0;
    SForwardFinder lt_{"<"}, gt_{">"}, commentEnd_{"-->"}, piEnd_{"?>"}, cdataClose_{"]]>"};
    SForwardFinder markupStart_;  // a '<' that can start markup
    size_t lastClose_;            // the last '>': after it, nothing can be markup
    STaggedText piece_;
    int speed_;
    unsigned volume_;
    std::vector<SProsody> prosody_;
    std::vector<bool> spellStack_;
    std::vector<bool> subStack_;
    int spellDepth_ = 0;
    int skipDepth_ = 0;
};

// The whole message at once.
STaggedText SsmlToTaggedText(std::string_view ssml, const SSsmlState& start);

// A plain text made safe to speak as tagged text (a backslash is doubled, so
// it cannot start a tag).
std::string EscapeTags(std::string_view text);
void AppendEscaped(std::string& out, std::string_view text);

// The backslash's name in the voice's spelling table, which the spell mode
// cannot reach: a backslash is a tag's start there, never a spelled letter.
inline constexpr std::string_view kBackslashName = "bekslesz";

// The same for text read in the spell mode: a backslash is read by its name.
void AppendEscapedSpelled(std::string& out, std::string_view text);
