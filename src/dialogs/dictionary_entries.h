// The entries of the user dictionary as the Dictionary page edits them: read
// from the dictionary file, changed key by key, written back in key order.
// Keys and replacements are Windows-1250 bytes, as in the file.
//
// The file is written atomically (temporary file, rename), and never when it
// could not be read: a read error must not cost the user the dictionary.
#pragma once

#include <map>
#include <string>
#include <string_view>

class SDictionaryEntries {
public:
    enum class ReadResult {
        NoPath,   // no file named: nothing to read
        Missing,  // the file does not exist yet: it may be created
        Read,     // read whole
        Failed,   // exists but could not be read: it must not be overwritten
    };
    // A larger file is not read (and so not overwritten either).
    static constexpr size_t kMaxFileBytes = 16 * 1024 * 1024;

    // Reads `path` (replacing the entries). Lines that are empty or begin
    // with white space are skipped; the key runs to the first blank or tab;
    // the replacement is the rest without surrounding white space. A later
    // line with the same key replaces the earlier.
    ReadResult Read(const std::string& path);
    // The same rules over text already in memory.
    void Parse(std::string_view text);

    // Writes every entry as key, two tabs, replacement, line feed, in key
    // order. Refuses (false) when the last Read failed for this path, when
    // the path is empty, or when the file cannot be written; the previous
    // file then stays as it was.
    bool Write(const std::string& path) const;
    // The file text Write produces.
    std::string Format() const;

    // Adds or replaces an entry. A key that is empty or holds white space is
    // refused (false); line breaks in the replacement become blanks.
    bool Set(const std::string& key, const std::string& replacement);
    bool Remove(const std::string& key);
    bool Contains(const std::string& key) const { return entries_.count(key) != 0; }
    // The replacement of `key`, or an empty string.
    std::string Replacement(const std::string& key) const;

    // Entries in key order (byte order of the Windows-1250 keys).
    const std::map<std::string, std::string>& Entries() const { return entries_; }
    ReadResult LastRead() const { return lastRead_; }
    // True when the file at `path` may be replaced by Write.
    bool MayWrite(const std::string& path) const;

private:
    void ParseLine(std::string_view line);

    std::map<std::string, std::string> entries_;
    ReadResult lastRead_ = ReadResult::NoPath;
    std::string lastPath_;
};
