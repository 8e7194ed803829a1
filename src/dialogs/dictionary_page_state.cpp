#include "dialogs/dictionary_page_state.h"

#include "core/attribute.h"
#include "text/dictionary.h"

SDictionaryPageState::SDictionaryPageState(SAttribute& settings)
    : settings_(settings),
      path_(settings.extDict),
      useDictionary_(settings.useExtDict),
      check_([](const std::string& path) { return SDictionary().Load(path, std::string()); }) {}

void SDictionaryPageState::ReadEntries() {
    readable_ = entries_.Read(path_) != SDictionaryEntries::ReadResult::Failed;
}

std::string SDictionaryPageState::StartDirectory() const {
#ifdef _WIN32
    const size_t slash = path_.find_last_of("/\\");  // a Windows path may use both
#else
    const size_t slash = path_.rfind('/');
#endif
    if (slash != std::string::npos) return path_.substr(0, slash + 1);
    return settings_.workDir;
}

void SDictionaryPageState::TakeChosenFile(const std::string& path) {
    path_ = check_ && check_(path) ? path : std::string();
    // The list shows the chosen file's entries, so that OK never writes one
    // dictionary's entries over another.
    ReadEntries();
}

bool SDictionaryPageState::Add(const std::string& key, const std::string& replacement) {
    return readable_ && entries_.Set(key, replacement);
}

bool SDictionaryPageState::Remove(const std::string& key) {
    return readable_ && entries_.Remove(key);
}

bool SDictionaryPageState::Ok() {
    settings_.extDict = path_;
    settings_.useExtDict = useDictionary_;
    return entries_.Write(path_);
}
