#include "capi/engine_text.h"

#include "platform/codepage.h"

namespace {

// Length of the sequence a lead byte starts, 0 for a byte that cannot lead.
int SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// Decodes one character at `at`; returns its length, or 0 when malformed.
int DecodeOne(std::string_view text, size_t at, char32_t& out) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const int length = SequenceLength(lead);
    if (length == 0 || at + length > text.size()) return 0;
    if (length == 1) return out = lead, 1;
    char32_t c = lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) return 0;
        c = (c << 6) | (next & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    out = c;
    return length;
}

char EngineChar(char c) {
    return c == '\0' ? ' ' : c;
}

}  // namespace

SEngineText EngineTextFromUtf8(std::string_view text, bool bestFit) {
    SEngineText result;
    result.cp1250.reserve(text.size());
    result.sourceOffset.reserve(text.size() + 1);
    for (size_t at = 0; at < text.size();) {
        char32_t c = 0;
        const int length = DecodeOne(text, at, c);
        if (length == 0) {
            result.error = "the text is not valid UTF-8 (at byte " + std::to_string(at) + ")";
            result.cp1250.clear();
            result.sourceOffset.clear();
            return result;
        }
        result.cp1250 += c == 0 ? ' ' : bestFit ? UnicodeToCp1250BestFit(c) : UnicodeToCp1250(c);
        result.sourceOffset.push_back(static_cast<uint32_t>(at));
        at += length;
    }
    result.sourceOffset.push_back(static_cast<uint32_t>(text.size()));
    return result;
}

SEngineText EngineTextFromCp1250(std::string_view text) {
    SEngineText result;
    result.cp1250.reserve(text.size());
    result.sourceOffset.reserve(text.size() + 1);
    for (size_t at = 0; at < text.size(); ++at) {
        result.cp1250 += EngineChar(text[at]);
        result.sourceOffset.push_back(static_cast<uint32_t>(at));
    }
    result.sourceOffset.push_back(static_cast<uint32_t>(text.size()));
    return result;
}

uint32_t SourceOffset(const SEngineText& text, uint32_t index) {
    if (text.sourceOffset.empty()) return 0;
    if (index >= text.sourceOffset.size()) return text.sourceOffset.back();
    return text.sourceOffset[index];
}
