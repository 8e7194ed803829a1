#include "ssml_text.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <optional>

#include "platform/codepage.h"

namespace {

constexpr int kMinSpeed = 40, kMaxSpeed = 200;
constexpr int kMaxPauseMs = 99999;  // five digits: the longest pause tag
constexpr unsigned kMaxVolume = 0xFFFF;

struct SElement {
    std::string name;
    std::map<std::string, std::string> attributes;
    bool closing = false;
    bool empty = false;  // <name/>
};

// Decodes the entity at `at` ('&'); returns its length, 0 when it is not one.
size_t DecodeEntity(std::string_view text, size_t at, std::string& out) {
    const size_t end = text.find(';', at);
    if (end == std::string_view::npos || end - at > 10) return 0;
    const std::string_view name = text.substr(at + 1, end - at - 1);
    static const std::pair<std::string_view, char> kNamed[] = {
        {"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"quot", '"'}, {"apos", '\''}};
    for (const auto& [entity, c] : kNamed)
        if (name == entity) return out += c, end - at + 1;
    if (name.size() < 2 || name[0] != '#') return 0;
    const bool hex = name[1] == 'x' || name[1] == 'X';
    const std::string digits(name.substr(hex ? 2 : 1));
    if (digits.empty() || digits.size() > 7) return 0;
    char* stop = nullptr;
    const unsigned long code = std::strtoul(digits.c_str(), &stop, hex ? 16 : 10);
    if (*stop != '\0' || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    AppendUtf8(out, static_cast<char32_t>(code));
    return end - at + 1;
}

// Text with entities decoded and backslashes kept from starting tags.
std::string DecodeText(std::string_view text) {
    std::string decoded;
    for (size_t i = 0; i < text.size();) {
        if (text[i] == '&') {
            if (size_t length = DecodeEntity(text, i, decoded)) {
                i += length;
                continue;
            }
        }
        decoded += text[i++];
    }
    return EscapeTags(decoded);
}

bool IsNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || c == ':' ||
           c == '.';
}

// Parses the element between '<' and '>' (exclusive); nullopt when it is not one.
std::optional<SElement> ParseElement(std::string_view inside) {
    SElement element;
    size_t i = 0;
    if (i < inside.size() && inside[i] == '/') element.closing = true, ++i;
    if (!inside.empty() && inside.back() == '/') element.empty = true, inside.remove_suffix(1);
    const size_t nameStart = i;
    if (i >= inside.size() ||
        !(std::isalpha(static_cast<unsigned char>(inside[i])) || inside[i] == '_'))
        return std::nullopt;
    while (i < inside.size() && IsNameChar(inside[i])) ++i;
    element.name = std::string(inside.substr(nameStart, i - nameStart));
    for (;;) {
        while (i < inside.size() && std::isspace(static_cast<unsigned char>(inside[i]))) ++i;
        if (i >= inside.size()) break;
        const size_t attrStart = i;
        while (i < inside.size() && IsNameChar(inside[i])) ++i;
        if (i == attrStart) return std::nullopt;
        std::string attribute(inside.substr(attrStart, i - attrStart));
        while (i < inside.size() && inside[i] == ' ') ++i;
        if (i >= inside.size() || inside[i] != '=') return std::nullopt;
        ++i;
        while (i < inside.size() && inside[i] == ' ') ++i;
        if (i >= inside.size() || (inside[i] != '"' && inside[i] != '\'')) return std::nullopt;
        const char quote = inside[i++];
        const size_t valueEnd = inside.find(quote, i);
        if (valueEnd == std::string_view::npos) return std::nullopt;
        std::string value;
        std::string_view raw = inside.substr(i, valueEnd - i);
        for (size_t k = 0; k < raw.size();) {
            size_t length = raw[k] == '&' ? DecodeEntity(raw, k, value) : 0;
            if (length == 0) value += raw[k], length = 1;
            k += length;
        }
        element.attributes[attribute] = value;
        i = valueEnd + 1;
    }
    return element;
}

// "500ms", "1.5s", "2" (seconds) -> milliseconds; nullopt when unreadable.
std::optional<int> Milliseconds(const std::string& time) {
    char* end = nullptr;
    const double value = std::strtod(time.c_str(), &end);
    if (end == time.c_str() || !(value >= 0) || !std::isfinite(value)) return std::nullopt;
    const std::string unit(end);
    double ms = 0;
    if (unit == "ms")
        ms = value;
    else if (unit == "s" || unit.empty())
        ms = value * 1000;
    else
        return std::nullopt;
    return static_cast<int>(std::min<double>(ms, kMaxPauseMs));
}

int BreakMilliseconds(const SElement& element) {
    if (auto time = element.attributes.find("time"); time != element.attributes.end())
        if (auto ms = Milliseconds(time->second)) return *ms;
    static const std::pair<const char*, int> kStrengths[] = {{"none", 0},     {"x-weak", 100},
                                                             {"weak", 200},   {"medium", 400},
                                                             {"strong", 700}, {"x-strong", 1000}};
    if (auto strength = element.attributes.find("strength"); strength != element.attributes.end())
        for (const auto& [name, ms] : kStrengths)
            if (strength->second == name) return ms;
    return 400;
}

// A prosody value relative to `current`: keyword, "150%", "+20%", or a factor.
double ProsodyFactor(const std::string& value, const std::pair<const char*, double>* keywords,
                     size_t count) {
    for (size_t i = 0; i < count; ++i)
        if (value == keywords[i].first) return keywords[i].second;
    char* end = nullptr;
    const double number = std::strtod(value.c_str(), &end);
    if (end == value.c_str() || !std::isfinite(number)) return 1.0;
    if (std::string(end) == "%")
        return value[0] == '+' || value[0] == '-' ? 1.0 + number / 100 : number / 100;
    return std::string(end).empty() ? number : 1.0;
}

struct SProsody {
    int speed;
    unsigned volume;
};

class SConverter {
public:
    explicit SConverter(const SSsmlState& start)
        : speed_(start.speed), volume_(start.volume), spell_(start.spellMode) {}

    STaggedText Convert(std::string_view ssml) {
        size_t i = 0;
        while (i < ssml.size()) {
            const size_t open = ssml.find('<', i);
            AppendText(
                ssml.substr(i, open == std::string_view::npos ? std::string_view::npos : open - i));
            if (open == std::string_view::npos) break;
            i = Markup(ssml, open);
        }
        // Elements left open end with the text: their changes do not outlive it.
        while (!prosody_.empty()) CloseProsody();
        if (spellDepth_ > 0) spellDepth_ = 1, CloseSpell();
        return std::move(result_);
    }

private:
    void AppendText(std::string_view text) {
        if (skipDepth_ == 0) result_.text += DecodeText(text);
    }

    // Handles the markup at `open` ('<'); returns where reading goes on.
    size_t Markup(std::string_view ssml, size_t open) {
        for (const auto& [begin, end] : {std::pair{"<!--", "-->"}, {"<?", "?>"}, {"<!", ">"}}) {
            if (ssml.substr(open, std::char_traits<char>::length(begin)) != begin) continue;
            if (std::string_view(begin) == "<!" && ssml.substr(open, 9) == "<![CDATA[") {
                const size_t close = ssml.find("]]>", open + 9);
                if (close == std::string_view::npos) break;
                if (skipDepth_ == 0)
                    result_.text += EscapeTags(ssml.substr(open + 9, close - open - 9));
                return close + 3;
            }
            const size_t close = ssml.find(end, open);
            if (close == std::string_view::npos) break;
            return close + std::char_traits<char>::length(end);
        }
        const size_t close = ssml.find('>', open);
        std::optional<SElement> element;
        if (close != std::string_view::npos)
            element = ParseElement(ssml.substr(open + 1, close - open - 1));
        if (!element) {
            AppendText("<");  // not markup: a '<' of the text
            return open + 1;
        }
        Element(*element);
        return close + 1;
    }

    void Element(const SElement& element) {
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
        if (name == "break" && !element.closing) return Pause(BreakMilliseconds(element));
        if (name == "prosody")
            return element.closing ? CloseProsody() : element.empty ? void() : OpenProsody(element);
        if (name == "say-as")
            return element.closing ? CloseSpell() : element.empty ? void() : OpenSayAs(element);
        if (name == "p" || name == "s" || name == "speak") result_.text += ' ';
    }

    void Mark(const SElement& element) {
        auto found = element.attributes.find("name");
        if (found == element.attributes.end()) return;
        result_.markNames.push_back(found->second);
        result_.text += "\\Mrk=" + std::to_string(result_.markNames.size()) + "\\";
    }

    void Pause(int ms) {
        if (ms > 0) result_.text += "\\Pau=" + std::to_string(std::min(ms, kMaxPauseMs)) + "\\";
    }

    void OpenProsody(const SElement& element) {
        prosody_.push_back({speed_, volume_});
        if (auto rate = element.attributes.find("rate"); rate != element.attributes.end()) {
            static const std::pair<const char*, double> kRates[] = {
                {"x-slow", 0.5},  {"slow", 0.75}, {"medium", 1.0},
                {"default", 1.0}, {"fast", 1.5},  {"x-fast", 2.0}};
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

    void CloseProsody() {
        if (prosody_.empty()) return;
        const SProsody previous = prosody_.back();
        prosody_.pop_back();
        SetSpeed(previous.speed);
        SetVolume(previous.volume);
    }

    void SetSpeed(int speed) {
        speed = std::clamp(speed, kMinSpeed, kMaxSpeed);
        if (speed != speed_) result_.text += "\\Spd=" + std::to_string(speed) + "\\";
        speed_ = speed;
    }

    // The volume tag refuses 0: silence is the quietest step it takes.
    void SetVolume(unsigned volume) {
        volume = std::clamp(volume, 1u, kMaxVolume);
        if (volume != volume_) result_.text += "\\Vol=" + std::to_string(volume) + "\\";
        volume_ = volume;
    }

    void OpenSayAs(const SElement& element) {
        auto kind = element.attributes.find("interpret-as");
        const bool spell = kind != element.attributes.end() &&
                           (kind->second == "characters" || kind->second == "spell-out" ||
                            kind->second == "letters");
        spellStack_.push_back(spell);
        if (spell && spellDepth_++ == 0 && !spell_) result_.text += " \\RmS=1\\";
    }

    void CloseSpell() {
        bool spell = true;
        if (!spellStack_.empty()) spell = spellStack_.back(), spellStack_.pop_back();
        if (!spell || spellDepth_ == 0) return;
        if (--spellDepth_ == 0 && !spell_) result_.text += " \\RmS=0\\ ";
    }

    // <sub alias="..."> reads the alias instead of its content.
    void Substitute(const SElement& element) {
        auto alias = element.attributes.find("alias");
        const bool replaced = alias != element.attributes.end() && skipDepth_ == 0;
        if (replaced) result_.text += EscapeTags(alias->second);
        if (element.empty) return;
        subStack_.push_back(replaced);
        if (replaced) ++skipDepth_;
    }

    void CloseSubstitute() {
        if (subStack_.empty()) return;
        if (subStack_.back()) skipDepth_ = std::max(skipDepth_ - 1, 0);
        subStack_.pop_back();
    }

    STaggedText result_;
    int speed_;
    unsigned volume_;
    bool spell_;
    std::vector<SProsody> prosody_;
    std::vector<bool> spellStack_;
    std::vector<bool> subStack_;
    int spellDepth_ = 0;
    int skipDepth_ = 0;
};

}  // namespace

std::string EscapeTags(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        out += c;
        // A blank after a backslash: no tag name can follow it, so it is read as itself.
        if (c == '\\') out += ' ';
    }
    return out;
}

STaggedText SsmlToTaggedText(std::string_view ssml, const SSsmlState& start) {
    return SConverter(start).Convert(ssml);
}
