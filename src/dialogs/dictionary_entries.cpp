#include "dialogs/dictionary_entries.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <memory>

#include "core/exceptions.h"
#include "platform/file_open.h"
#include "platform/log.h"
#include "soundfile/binary_file.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool Exists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 || errno != ENOENT;
}

// Reads the whole file; false on any error (a directory, a file too large).
bool ReadWhole(const std::string& path, std::string& text) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(OpenFile(path, "rb"), &std::fclose);
    if (!file) return false;
    char buffer[4096];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        if (text.size() + got > SDictionaryEntries::kMaxFileBytes) return false;
        text.append(buffer, got);
    }
    return !std::ferror(file.get());
}

}  // namespace

SDictionaryEntries::ReadResult SDictionaryEntries::Read(const std::string& path) {
    entries_.clear();
    lastPath_ = path;
    if (path.empty()) return lastRead_ = ReadResult::NoPath;
    if (!Exists(path)) return lastRead_ = ReadResult::Missing;
    std::string text;
    if (!ReadWhole(path, text)) {
        LogMessage("nie mo\xBFna odczyta\xE6 s\xB3ownika %s\n", path.c_str());
        entries_.clear();
        return lastRead_ = ReadResult::Failed;
    }
    Parse(text);
    return lastRead_ = ReadResult::Read;
}

void SDictionaryEntries::Parse(std::string_view text) {
    while (!text.empty()) {
        const size_t end = text.find('\n');
        ParseLine(text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
}

void SDictionaryEntries::ParseLine(std::string_view line) {
    if (line.empty() || IsBlank(line.front())) return;
    const size_t keyEnd = line.find_first_of(" \t\r");
    const std::string_view key = line.substr(0, keyEnd);
    const std::string_view rest =
        keyEnd == std::string_view::npos ? std::string_view() : line.substr(keyEnd);
    entries_[std::string(key)] = std::string(TrimBlanks(rest));
}

std::string SDictionaryEntries::Format() const {
    std::string text;
    for (const auto& [key, replacement] : entries_) {
        text += key;
        text += "\t\t";
        text += replacement;
        text += '\n';
    }
    return text;
}

bool SDictionaryEntries::MayWrite(const std::string& path) const {
    if (path.empty()) return false;
    return !(lastRead_ == ReadResult::Failed && path == lastPath_);
}

bool SDictionaryEntries::Write(const std::string& path) const {
    if (!MayWrite(path)) return false;
    try {
        SAtomicFile file(path);
        const std::string text = Format();
        file.File().Write(text.data(), static_cast<int64_t>(text.size()));
        file.Commit();
        return true;
    } catch (const SException& e) {
        LogMessage("nie mo\xBFna zapisa\xE6 s\xB3ownika %s: %s\n", path.c_str(), e.GetMessage());
        return false;
    }
}

bool SDictionaryEntries::Set(const std::string& key, const std::string& replacement) {
    // A key is one token and an entry one line, or the file would read back
    // differently from what was written.
    if (key.empty() || key.find_first_of(" \t\r\n") != std::string::npos) return false;
    std::string line(TrimBlanks(replacement));
    for (char& c : line)
        if (c == '\r' || c == '\n') c = ' ';
    entries_[key] = line;
    return true;
}

bool SDictionaryEntries::Remove(const std::string& key) {
    return entries_.erase(key) != 0;
}

std::string SDictionaryEntries::Replacement(const std::string& key) const {
    auto it = entries_.find(key);
    return it == entries_.end() ? std::string() : it->second;
}
