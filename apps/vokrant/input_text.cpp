#include "input_text.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/codepage.h"
#include "platform/file_open.h"

namespace {

// Reads the whole stream; false when it is larger than the limit or fails.
bool ReadAll(std::FILE* file, std::string& out, std::string& error) {
    char buffer[1 << 16];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        if (out.size() + got > kMaxInputBytes) {
            error = "the text is larger than " + std::to_string(kMaxInputBytes >> 20) + " MB";
            return false;
        }
        out.append(buffer, got);
    }
    if (std::ferror(file)) {
        error = std::string("cannot read the text: ") + std::strerror(errno);
        return false;
    }
    return true;
}

std::string JoinWords(const std::vector<std::string>& words) {
    std::string text;
    for (size_t i = 0; i < words.size(); ++i) {
        if (i) text += ' ';
        text += words[i];
    }
    return text;
}

// UTF-16 text (as Windows editors save it) is told by its byte-order mark.
bool DecodeUtf16WithMark(const std::string& bytes, bool bestFit, std::string* text) {
    if (bytes.size() < 2) return false;
    const auto b0 = static_cast<unsigned char>(bytes[0]), b1 = static_cast<unsigned char>(bytes[1]);
    const bool little = b0 == 0xFF && b1 == 0xFE, big = b0 == 0xFE && b1 == 0xFF;
    if (!little && !big) return false;
    std::u16string units;
    units.reserve(bytes.size() / 2);
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
        const auto lo = static_cast<unsigned char>(bytes[little ? i : i + 1]);
        const auto hi = static_cast<unsigned char>(bytes[little ? i + 1 : i]);
        units += static_cast<char16_t>(lo | (hi << 8));
    }
    *text = bestFit ? Utf16ToCp1250BestFit(units) : Utf16ToCp1250(units);
    if (bytes.size() % 2 != 0) *text += '?';  // half a character at the end
    return true;
}

}  // namespace

std::string ToEngineText(const std::string& bytes, SInputEncoding encoding, bool bestFit) {
    std::string text;
    if (encoding != SInputEncoding::Utf8) {
        text = bytes;
    } else if (!DecodeUtf16WithMark(bytes, bestFit, &text)) {
        const bool utf8Mark = bytes.rfind("\xEF\xBB\xBF", 0) == 0;
        const std::string_view utf8 =
            utf8Mark ? std::string_view(bytes).substr(3) : std::string_view(bytes);
        text = bestFit ? Utf8ToCp1250BestFit(utf8) : Utf8ToCp1250(utf8);
    }
    for (char& c : text)
        if (c == '\0') c = ' ';
    return text;
}

STextInput ReadInputText(const SCommandLine& command, bool bestFit) {
    STextInput input;
    std::string raw;
    if (!command.inputFile.empty() && command.inputFile != "-") {
        std::FILE* file = OpenFile(command.inputFile, "rb");
        if (!file) {
            input.error = "cannot open " + command.inputFile + ": " + std::strerror(errno);
            return input;
        }
        bool ok = ReadAll(file, raw, input.error);
        std::fclose(file);
        if (!ok) return input;
    } else if (command.ReadsStandardInput()) {
        if (!ReadAll(stdin, raw, input.error)) return input;
    } else {
        raw = JoinWords(command.textWords);
    }
    input.cp1250 = ToEngineText(raw, command.encoding, bestFit);
    return input;
}
