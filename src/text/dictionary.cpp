#include "text/dictionary.h"

#include <cstdint>
#include <cstdio>
#include <memory>

#include "model/chars.h"
#include "platform/file_open.h"
#include "platform/log.h"
#include "platform/paths.h"

namespace {

bool IsLineSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsLineSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsLineSpace(text.back())) text.remove_suffix(1);
    return text;
}

// The next piece of a line: through its LF, at most kMaxPieceChars bytes.
std::string_view NextPiece(std::string_view& rest) {
    size_t length = std::min(rest.size(), SDictionary::kMaxPieceChars);
    size_t newline = rest.substr(0, length).find('\n');
    if (newline != std::string_view::npos) length = newline + 1;
    std::string_view piece = rest.substr(0, length);
    rest.remove_prefix(length);
    // The file is read as C text: a NUL ends what the line holds.
    size_t nul = piece.find('\0');
    return nul == std::string_view::npos ? piece : piece.substr(0, nul);
}

}  // namespace

std::string SDictionary::ResolvePath(const std::string& fileName, const std::string& directory) {
    if (HasDirectoryPart(fileName)) return fileName;
    if (directory.empty()) return fileName;
    return WithTrailingSlash(directory) + fileName;
}

bool SDictionary::Load(const std::string& fileName, const std::string& directory) {
    RemoveAll();
    const std::string path = ResolvePath(fileName, directory);
    std::uint64_t size = 0;
    if (!IsRegularFile(path, &size)) return false;
    if (size > static_cast<std::uint64_t>(kMaxFileBytes)) {
        LogMessage("s\xB3ownik '%s' jest za du\xBFy\n", path.c_str());
        return false;
    }
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(OpenFile(path, "rb"), &std::fclose);
    if (!file) return false;
    std::string content;
    char buffer[65536];
    std::size_t got = 0;
    while (content.size() <= static_cast<std::size_t>(kMaxFileBytes) &&
           (got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        content.append(buffer, got);
    if (std::ferror(file.get()) || content.size() > static_cast<std::size_t>(kMaxFileBytes))
        return false;
    Parse(content);
    return true;
}

void SDictionary::Parse(std::string_view content) {
    while (!content.empty()) {
        std::string_view piece = NextPiece(content);
        if (piece.empty() || IsLineSpace(piece.front())) continue;
        size_t keyEnd = 0;
        while (keyEnd < piece.size() && !IsLineSpace(piece[keyEnd])) ++keyEnd;
        std::string_view value = Trim(piece.substr(keyEnd));
        if (value.empty()) continue;
        Set(std::string(piece.substr(0, keyEnd)), std::string(value));
    }
}

const std::string* SDictionary::FindReplacement(const std::string& word) const {
    int index = Find(word);
    if (index < 0 && !word.empty() && IsUpperLetter(static_cast<unsigned char>(word[0]))) {
        std::string lowered = word;
        lowered[0] = static_cast<char>(ToLowerChar(static_cast<unsigned char>(word[0])));
        index = Find(lowered);
    }
    return index < 0 ? nullptr : &Replacement(index);
}
