// What the Dictionary page edits, for every front end: the dictionary path,
// its switch and the entries of the file at that path. The entries of a file
// that could not be read cannot be edited, so OK never overwrites it.
#pragma once

#include <functional>
#include <string>

#include "dialogs/dictionary_entries.h"

class SAttribute;

class SDictionaryPageState {
public:
    // Checks a chosen file with the engine's dictionary loader.
    using SDictionaryCheck = std::function<bool(const std::string& path)>;

    // Takes the path and switch from `settings`; the entries are read by ReadEntries.
    explicit SDictionaryPageState(SAttribute& settings);

    void SetDictionaryCheck(SDictionaryCheck check) { check_ = std::move(check); }

    const std::string& Path() const { return path_; }
    bool UseDictionary() const { return useDictionary_; }
    void SetUseDictionary(bool on) { useDictionary_ = on; }
    // The switch only means something with a file named.
    bool UseBoxEnabled() const { return !path_.empty(); }
    // False after a read failure: the entries are then not offered for editing.
    bool EntriesEditable() const { return readable_; }
    const SDictionaryEntries& Entries() const { return entries_; }

    // Reads the entries of the file at the path.
    void ReadEntries();
    // Where the open-file dialog starts: the path's directory, else the working directory.
    std::string StartDirectory() const;
    // The user chose `path` in the open-file dialog: a file the check rejects
    // leaves the path empty; the entries of the new path are read.
    void TakeChosenFile(const std::string& path);
    // "&Dodaj" (false for a key that cannot be stored) and "&Usuń".
    bool Add(const std::string& key, const std::string& replacement);
    bool Remove(const std::string& key);
    // OK: the path and switch into the settings, the entries into the file.
    // True when the file was written.
    bool Ok();

private:
    SAttribute& settings_;
    std::string path_;
    bool useDictionary_;
    bool readable_ = true;
    SDictionaryEntries entries_;
    SDictionaryCheck check_;
};
