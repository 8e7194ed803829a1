#include "text/address.h"

#include <cstring>

#include "model/chars.h"
#include "resources/address_words.h"
#include "text/address_parser.h"
#include "text/spell.h"
#include "text/word_sink.h"

namespace {

constexpr int kMaxConsonantRun = 3;
constexpr unsigned char kPunctuationPause = 5;

bool IsPlainVowel(unsigned char c) {
    return c != 0 && std::strchr("aeiouAEIOU", c) != nullptr;
}

class SAddressSpeaker {
public:
    SAddressSpeaker(const SUrlParts& parts, const SSpell& spell, SWordSink& sink)
        : parts_(parts), spell_(spell), sink_(sink) {}

    void Speak() {
        if (parts_.schemeId == 1 || parts_.schemeId == 2) {
            for (const SUrlScheme& scheme : UrlSchemeTable()) {
                if (scheme.id != parts_.schemeId) continue;
                Say(scheme.spoken);
                Say(SpokenColon());
                if (scheme.slashes) Say(SpokenSlashes());
            }
        } else {
            if (!parts_.user.empty()) {
                Unit(parts_.user);
                Say(SpokenAt());
            }
            if (!parts_.password.empty()) {
                Say(SpokenColon());
                Unit(parts_.password);
            }
        }
        Host();
        sink_.AppendMarker(kPunctuationPause);
    }

private:
    void Say(const std::string& words) { sink_.AppendText(words, parts_.token); }

    void Unit(const std::string& unit) {
        if (IsPronounceable(unit)) {
            Say(unit);
            return;
        }
        for (char c : unit)
            if (const std::string* name = spell_.NameOf(static_cast<unsigned char>(c)))
                sink_.AppendWord(*name, "", 0, 1);
    }

    void Host() {
        const std::string& host = parts_.host;
        size_t start = 0;
        for (;;) {
            size_t dot = host.find('.', start);
            std::string label = host.substr(start, dot == std::string::npos ? dot : dot - start);
            if (const char* word = HostLabelWord(label))
                Say(word);
            else
                Unit(label);
            if (dot == std::string::npos) break;
            Say(SpokenDot());
            start = dot + 1;
        }
    }

    const SUrlParts& parts_;
    const SSpell& spell_;
    SWordSink& sink_;
};

}  // namespace

bool IsPronounceable(const std::string& unit) {
    if (unit.size() <= 2) return false;
    int consonants = 0;
    for (char ch : unit) {
        unsigned char c = static_cast<unsigned char>(ch);
        if (IsDigitChar(c)) return false;
        consonants = IsLetter(c) && !IsPlainVowel(c) ? consonants + 1 : 0;
        if (consonants > kMaxConsonantRun) return false;
    }
    return true;
}

bool ReadAddress(const char* text, uint32_t& position, const SSpell& spell, SWordSink& sink) {
    SUrlParts parts = ParseAddress(AddressToken(text + position));
    if (parts.consumed == 0) return false;
    SAddressSpeaker(parts, spell, sink).Speak();
    position += static_cast<uint32_t>(parts.consumed);
    return true;
}
