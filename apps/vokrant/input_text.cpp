#include "input_text.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

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

}  // namespace

std::string ToEngineText(const std::string& bytes, SInputEncoding encoding, bool bestFit) {
    SStreamDecoder decoder(encoding, bestFit);
    std::string text;
    decoder.Feed(bytes, text);
    decoder.Finish(text);
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

std::unique_ptr<SInputPieces> OpenInputPieces(const SCommandLine& command, bool bestFit,
                                              std::string& error) {
    if (!command.inputFile.empty() && command.inputFile != "-") {
        std::FILE* file = OpenFile(command.inputFile, "rb");
        if (!file) {
            error = "cannot open " + command.inputFile + ": " + std::strerror(errno);
            return nullptr;
        }
        return std::make_unique<SInputPieces>(file, true, command.encoding, command.tagged,
                                              bestFit);
    }
    if (command.ReadsStandardInput())
        return std::make_unique<SInputPieces>(stdin, false, command.encoding, command.tagged,
                                              bestFit);
    return std::make_unique<SInputPieces>(JoinWords(command.textWords), command.encoding,
                                          command.tagged, bestFit);
}
