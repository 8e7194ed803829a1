#include "ssml_text.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <iterator>

#include "protocol_io.h"

namespace {

constexpr int kMinSpeed = 40, kMaxSpeed = 200;
constexpr int kMaxPauseMs = 99999;  // five digits: the longest pause tag
constexpr unsigned kMaxVolume = 0xFFFF;
// Longer markup between '<' and '>' is not an element: the '<' is text.
constexpr size_t kMaxElementBytes = 64u << 10;

bool StartsWith(std::string_view text, size_t at, std::string_view prefix) {
    return text.substr(at, prefix.size()) == prefix;
}

// Whether markup can start with the byte after a '<'.
bool CanStartMarkup(char c) {
    return c == '!' || c == '?' || c == '/' || c == '_' || (c >= 'a' && c <= 'z') ||
           (c >= 'A' && c <= 'Z');
}

bool StartsMarkup(std::string_view text, size_t at) {
    return at + 1 < text.size() && CanStartMarkup(text[at + 1]);
}

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

size_t SForwardFinder::Find(std::string_view text, size_t from, size_t& examined) {
    // Nothing lies between the last search's start and what it found.
    if (searchedFrom_ != std::string_view::npos && from >= searchedFrom_ && from <= found_)
        return found_;
    found_ = text.find(pattern_, from);
    if (accept_ != nullptr)
        while (found_ != std::string_view::npos && !accept_(text, found_))
            found_ = text.find(pattern_, found_ + 1);
    const size_t end = found_ == std::string_view::npos ? text.size() : found_ + pattern_.size();
    examined += end > from ? end - from : 0;
    searchedFrom_ = from;
    return found_;
}

SSsmlConverter::SSsmlConverter(std::string_view ssml, const SSsmlState& start, size_t pieceBytes)
    : ssml_(ssml),
      start_(start),
      pieceBytes_(pieceBytes == 0 ? ssml.size() + 1 : pieceBytes),
      markupStart_("<", StartsMarkup),
      lastClose_(ssml.rfind('>')),
      speed_(start.speed),
      volume_(start.volume) {
    examined_ += lastClose_ == std::string_view::npos ? ssml.size() : ssml.size() - lastClose_;
}

bool SSsmlConverter::Next(STaggedText& piece) {
    if (finished_) return false;
    piece_ = STaggedText{};
    StateTags();
    const size_t pieceEnd = std::min(at_ + pieceBytes_, ssml_.size());
    pieceCut_ = false;
    while (at_ < pieceEnd && !pieceCut_) Step(pieceEnd);
    if (at_ >= ssml_.size()) {
        CloseAll();
        finished_ = true;
    }
    piece = std::move(piece_);
    return true;
}

void SSsmlConverter::SkipTo(size_t offset) {
    offset = std::min(offset, ssml_.size());
    while (at_ < offset) Step(offset);
    piece_ = STaggedText{};
}

void SSsmlConverter::OpenAs(const SSsmlConverter& other) {
    speed_ = other.speed_;
    volume_ = other.volume_;
    prosody_ = other.prosody_;
    spellStack_ = other.spellStack_;
    subStack_ = other.subStack_;
    spellDepth_ = other.spellDepth_;
    skipDepth_ = other.skipDepth_;
}

// Elements left open end with the text: their changes do not outlive it.
void SSsmlConverter::CloseAll() {
    while (!prosody_.empty()) CloseProsody();
    if (spellDepth_ > 0) spellDepth_ = 1, CloseSpell();
}

// A piece after the first starts where the message stands.
void SSsmlConverter::StateTags() {
    if (speed_ != start_.speed) piece_.text += "\\Spd=" + std::to_string(speed_) + "\\";
    if (volume_ != start_.volume) piece_.text += "\\Vol=" + std::to_string(volume_) + "\\";
    if (spellDepth_ > 0 && !start_.spellMode) piece_.text += "\\RmS=1\\";
}

void SSsmlConverter::Step(size_t pieceEnd) {
    if (inCdata_) {
        TextRun(cdataEnd_, pieceEnd, true);
        if (at_ == cdataEnd_) at_ += 3, inCdata_ = false;  // past "]]>"
        return;
    }
    // Every markup ends with a '>': past the last one, the rest is text.
    if (lastClose_ == std::string_view::npos || at_ > lastClose_)
        return TextRun(ssml_.size(), pieceEnd, false);
    size_t textFrom = at_;
    if (ssml_[at_] == '<') {
        if (const size_t next = Markup(at_); next != std::string_view::npos) {
            at_ = next;
            return;
        }
        textFrom = at_ + 1;  // a '<' of the text
    }
    const size_t open = markupStart_.Find(ssml_, textFrom, examined_);
    TextRun(std::min(open, ssml_.size()), pieceEnd, false);
}

// The text from at_ to `end`, cut where the piece ends.
void SSsmlConverter::TextRun(size_t end, size_t pieceEnd, bool raw) {
    if (end > pieceEnd) end = CutPoint(pieceEnd), pieceCut_ = true;
    AppendText(ssml_.substr(at_, end - at_), raw);
    examined_ += end - at_;
    at_ = end;
}

// Where to end a piece's text before `limit`: after the last sentence end
// or line end when there is one, else after the last blank, else on a
// character boundary outside an entity. One pass back over the window.
size_t SSsmlConverter::CutPoint(size_t limit) const {
    size_t blank = std::string_view::npos;
    for (size_t i = limit; i-- > at_ + 1;) {
        const char c = ssml_[i];
        if (c == '\n') return i + 1;
        if (c != ' ' && c != '\t') continue;
        const char before = ssml_[i - 1];
        if (c == ' ' && i >= at_ + 2 && (before == '.' || before == '?' || before == '!'))
            return i + 1;
        if (blank == std::string_view::npos) blank = i;
    }
    if (blank != std::string_view::npos) return blank + 1;
    size_t cut = limit;
    while (cut > at_ + 1 && IsContinuationByte(ssml_[cut])) --cut;
    const std::string_view window = ssml_.substr(at_, limit - at_);
    const size_t amp =
        window.find('&', window.size() > kMaxEntityBytes ? window.size() - kMaxEntityBytes : 0);
    if (amp != std::string_view::npos && at_ + amp > at_) cut = std::min(cut, at_ + amp);
    return cut;
}

// A construct from `begin` to its closing pattern, skipped whole (a CDATA
// section's text is read); returns where reading goes on, or 0 when it is
// not closed.
size_t SSsmlConverter::Construct(size_t open, std::string_view begin, SForwardFinder& close,
                                 size_t closeLength) {
    const size_t end = close.Find(ssml_, open + begin.size(), examined_);
    if (end == std::string_view::npos) return 0;
    if (begin == "<![CDATA[") {
        cdataEnd_ = end;
        inCdata_ = true;
        return open + begin.size();
    }
    return end + closeLength;
}

// Handles the markup at `open` ('<'); returns where reading goes on, or
// npos when the '<' is one of the text.
size_t SSsmlConverter::Markup(size_t open) {
    if (!StartsMarkup(ssml_, open)) return std::string_view::npos;
    struct SConstruct {
        std::string_view begin;
        SForwardFinder* close;
        size_t closeLength;
    };
    const SConstruct constructs[] = {
        {"<!--", &commentEnd_, 3}, {"<![CDATA[", &cdataClose_, 3}, {"<?", &piEnd_, 2}};
    for (const SConstruct& c : constructs) {
        if (!StartsWith(ssml_, open, c.begin)) continue;
        if (size_t next = Construct(open, c.begin, *c.close, c.closeLength)) return next;
        break;
    }
    // An element ends at the first '>' and holds no '<': each byte is parsed
    // as part of one element at most.
    const size_t close = gt_.Find(ssml_, open + 1, examined_);
    const size_t nextOpen = lt_.Find(ssml_, open + 1, examined_);
    std::optional<SElement> element;
    if (close != std::string_view::npos && close < nextOpen && close - open <= kMaxElementBytes) {
        const std::string_view inside = ssml_.substr(open + 1, close - open - 1);
        examined_ += inside.size();
        if (StartsWith(inside, 0, "!")) return close + 1;  // <!DOCTYPE ...> and the like
        element = ParseElement(inside);
    }
    if (!element) return std::string_view::npos;
    Element(*element);
    return close + 1;
}

void SSsmlConverter::AppendText(std::string_view text, bool raw) {
    if (skipDepth_ > 0) return;
    std::string decoded;
    if (!raw && text.find('&') != std::string_view::npos) text = decoded = DecodeEntities(text);
    if (Spelling())
        AppendEscapedSpelled(piece_.text, text);
    else
        AppendEscaped(piece_.text, text);
}

void SSsmlConverter::Element(const SElement& element) {
    const std::string& name = element.name;
    if (name == "desc") {  // a description of audio, not to be read
        if (element.empty) return;
        skipDepth_ += element.closing ? -1 : 1;
        skipDepth_ = std::max(skipDepth_, 0);
        return;
    }
    if (name == "sub") return element.closing ? CloseSubstitute() : Substitute(element);
    if (skipDepth_ > 0) return;
    if (name == "mark" && !element.closing) return Mark(element);
    if (name == "break" && !element.closing) return Pause(BreakMilliseconds(element, kMaxPauseMs));
    if (name == "prosody")
        return element.closing ? CloseProsody() : element.empty ? void() : OpenProsody(element);
    if (name == "say-as")
        return element.closing ? CloseSpell() : element.empty ? void() : OpenSayAs(element);
    // Paragraphs and sentences are apart from what surrounds them; the text's
    // own end is left as the text ends, so its last sentence keeps its end
    // mark. In spelled text the blank would be named: it is left out there.
    if ((name == "p" || name == "s" || (name == "speak" && !element.closing)) && !Spelling())
        piece_.text += ' ';
}

void SSsmlConverter::Mark(const SElement& element) {
    auto found = element.attributes.find("name");
    if (found == element.attributes.end()) return;
    // Sent to the server as one line of a reply: nothing in it may end the line.
    piece_.markNames.push_back(SingleLine(found->second));
    piece_.text += "\\Mrk=" + std::to_string(piece_.markNames.size()) + "\\";
}

void SSsmlConverter::Pause(int ms) {
    if (ms > 0) piece_.text += "\\Pau=" + std::to_string(std::min(ms, kMaxPauseMs)) + "\\";
}

void SSsmlConverter::OpenProsody(const SElement& element) {
    prosody_.push_back({speed_, volume_});
    if (auto rate = element.attributes.find("rate"); rate != element.attributes.end()) {
        static const std::pair<const char*, double> kRates[] = {{"x-slow", 0.5}, {"slow", 0.75},
                                                                {"medium", 1.0}, {"default", 1.0},
                                                                {"fast", 1.5},   {"x-fast", 2.0}};
        const double factor = ProsodyFactor(rate->second, kRates, std::size(kRates));
        SetSpeed(static_cast<int>(std::lround(std::clamp(speed_ * factor, 1.0, 1000.0))));
    }
    if (auto volume = element.attributes.find("volume"); volume != element.attributes.end()) {
        static const std::pair<const char*, double> kVolumes[] = {
            {"silent", 0.0},  {"x-soft", 0.25}, {"soft", 0.5},  {"medium", 0.75},
            {"default", 1.0}, {"loud", 1.0},    {"x-loud", 1.0}};
        const double factor = ProsodyFactor(volume->second, kVolumes, std::size(kVolumes));
        SetVolume(static_cast<unsigned>(
            std::lround(std::clamp(volume_ * factor, 0.0, double(kMaxVolume)))));
    }
}

void SSsmlConverter::CloseProsody() {
    if (prosody_.empty()) return;
    const SProsody previous = prosody_.back();
    prosody_.pop_back();
    SetSpeed(previous.speed);
    SetVolume(previous.volume);
}

void SSsmlConverter::SetSpeed(int speed) {
    speed = std::clamp(speed, kMinSpeed, kMaxSpeed);
    if (speed != speed_) piece_.text += "\\Spd=" + std::to_string(speed) + "\\";
    speed_ = speed;
}

// The volume tag refuses 0: silence is the quietest step it takes.
void SSsmlConverter::SetVolume(unsigned volume) {
    volume = std::clamp(volume, 1u, kMaxVolume);
    if (volume != volume_) piece_.text += "\\Vol=" + std::to_string(volume) + "\\";
    volume_ = volume;
}

// Spell mode names every character, blanks included: no blank may stand
// between the characters and the tags around them.
void SSsmlConverter::OpenSayAs(const SElement& element) {
    auto kind = element.attributes.find("interpret-as");
    const bool spell =
        kind != element.attributes.end() &&
        (kind->second == "characters" || kind->second == "spell-out" || kind->second == "letters");
    spellStack_.push_back(spell);
    if (spell && spellDepth_++ == 0 && !start_.spellMode) piece_.text += " \\RmS=1\\";
}

void SSsmlConverter::CloseSpell() {
    bool spell = true;
    if (!spellStack_.empty()) spell = spellStack_.back(), spellStack_.pop_back();
    if (!spell || spellDepth_ == 0) return;
    if (--spellDepth_ == 0 && !start_.spellMode) piece_.text += "\\RmS=0\\ ";
}

// <sub alias="..."> reads the alias instead of its content.
void SSsmlConverter::Substitute(const SElement& element) {
    auto alias = element.attributes.find("alias");
    const bool replaced = alias != element.attributes.end() && skipDepth_ == 0;
    if (replaced) piece_.text += EscapeTags(alias->second);
    if (element.empty) return;
    subStack_.push_back(replaced);
    if (replaced) ++skipDepth_;
}

void SSsmlConverter::CloseSubstitute() {
    if (subStack_.empty()) return;
    if (subStack_.back()) skipDepth_ = std::max(skipDepth_ - 1, 0);
    subStack_.pop_back();
}

void AppendEscaped(std::string& out, std::string_view text) {
    for (size_t at = 0; at < text.size();) {
        const size_t backslash = std::min(text.find('\\', at), text.size());
        out.append(text, at, backslash - at);
        // The engine reads a doubled backslash as one backslash of the text.
        if (backslash < text.size()) out += "\\\\";
        at = backslash + 1;
    }
}

std::string EscapeTags(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    AppendEscaped(out, text);
    return out;
}

void AppendEscapedSpelled(std::string& out, std::string_view text) {
    for (char c : text) {
        if (c == '\\')
            out.append("\\RmS=0\\ ").append(kBackslashName).append(" \\RmS=1\\");
        else
            out += c;
    }
}

STaggedText SsmlToTaggedText(std::string_view ssml, const SSsmlState& start) {
    SSsmlConverter converter(ssml, start);
    STaggedText all;
    converter.Next(all);
    return all;
}
