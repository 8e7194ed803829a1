// SDictionary: the user dictionary, whole input words mapped to replacement
// texts, loaded from a Windows-1250 text file ("client.exp" by default).
//
// File format: one entry per line (LF; trailing CR and blanks are trimmed).
// A line that begins with white space, or is empty, is ignored. Otherwise the
// key runs to the first blank, TAB, CR or LF and the value is the rest of the
// line, trimmed; a line with an empty value is ignored. Lines are read in
// pieces of at most 1019 characters; a longer line continues as a new line.
// A repeated key takes the later value.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/containers.h"

class SDictionary : public SStr2_Map<std::string> {
public:
    // Files larger than this are not read (the dictionary stays empty).
    static constexpr int64_t kMaxFileBytes = 16 * 1024 * 1024;
    static constexpr size_t kMaxPieceChars = 1019;

    // Empties the dictionary, then reads `fileName`: used as given when it is
    // absolute or contains '/', else taken from `directory`. Returns true when
    // the file was opened and read; a missing, unreadable or oversized file
    // leaves the dictionary empty and returns false.
    bool Load(const std::string& fileName, const std::string& directory);

    // Adds the entries of a file's text (no emptying first).
    void Parse(std::string_view content);

    // The replacement of the entry at `index`.
    const std::string& Replacement(int index) const { return ValueAt(index); }

    // The replacement for a word: an exact match, else, when the word starts
    // with an upper-case letter, the entry of the word with that letter
    // lower-cased (an entry "kot" serves "Kot", never the other way round).
    // Null when there is none.
    const std::string* FindReplacement(const std::string& word) const;

    // The path Load reads for these arguments.
    static std::string ResolvePath(const std::string& fileName, const std::string& directory);
};
