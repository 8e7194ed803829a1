#include "text/dictionary.h"

#include <sys/stat.h>

#include <fstream>
#include <iterator>

#include "model/chars.h"
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
    struct stat info {};
    if (path.empty() || stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    if (info.st_size > kMaxFileBytes) {
        LogMessage("s\xB3ownik '%s' jest za du\xBFy\n", path.c_str());
        return false;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    std::string content((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) return false;
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
