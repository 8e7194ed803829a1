#include "text/repeated.h"

#include "model/chars.h"
#include "text/number_words.h"
#include "text/spell.h"
#include "text/word_sink.h"

namespace {

constexpr int kMinRun = 4;
constexpr int kMinDigitRun = 8;
constexpr unsigned char kPunctuationPause = 5;

bool IsSilentSpace(unsigned char c, bool readSeparators) {
    return IsSpaceChar(c) && !readSeparators;
}

void AppendName(unsigned char c, const std::string& source, const SSpell& spell, SWordSink& sink) {
    if (const std::string* name = spell.NameOf(c)) sink.AppendText(*name, source);
}

}  // namespace

std::optional<SRepeatedRun> FindRepeatedRun(const char* text, uint32_t position,
                                            bool readSeparators) {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text) + position;
    unsigned char c = p[0], b = c ? p[1] : 0;
    if (c == 0) return std::nullopt;

    int64_t n = 0;
    while (p[n] == c) ++n;
    if (n >= kMinRun) {
        if ((IsDigitChar(c) && n < kMinDigitRun) || IsSilentSpace(c, readSeparators))
            return std::nullopt;
        return SRepeatedRun{c, 0, n, false};
    }
    if (b == 0 || (IsDigitChar(c) && IsDigitChar(b)) ||
        (IsSilentSpace(c, readSeparators) && IsSilentSpace(b, readSeparators)))
        return std::nullopt;
    n = 0;
    while (p[2 * n] == c && p[2 * n + 1] == b) ++n;
    if (n < kMinRun) return std::nullopt;
    return SRepeatedRun{c, b, n, true};
}

void AppendRepeatedRun(const SRepeatedRun& run, const SSpell& spell, SWordSink& sink) {
    std::string source(1, static_cast<char>(run.first));
    if (run.pair) source += static_cast<char>(run.second);
    sink.AppendMarker(kPunctuationPause);
    sink.AppendText(SNumber(run.count).ToWords(), source);
    sink.AppendWord(" razy ", source, 0, 1);
    if (run.pair && !(run.first == '\r' && run.second == '\n'))
        sink.AppendWord("sekwencja ", source, 0, 1);
    AppendName(run.first, source, spell, sink);
    if (run.pair) AppendName(run.second, source, spell, sink);
    sink.AppendMarker(kPunctuationPause);
}
