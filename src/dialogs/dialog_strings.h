// The sheet's own texts, addressed by their resource ids. UTF-8, for the
// widgets; '&' marks a mnemonic as in the dialog templates.
#pragma once

#include <string>

namespace dialog_strings {

constexpr const char* kCaption = "Vokrant – syntezator mowy polskiej";  // 100
constexpr const char* kTestText = "To jest test. Koniec.";              // 4600
constexpr const char* kDictionaryFilter =                               // 4050
    "Słownik (*.exp) |*.exp| Wszystkie pliki (*.*) |*.*||";
constexpr const char* kSaveQuestion =  // 4930
    "Czy chcesz zapisać aktualne ustawienia na stałe do rejestru systemowego?";
constexpr const char* kSaveButton = "Zapa&miętaj";
constexpr const char* kTestButton = "&Testuj";
constexpr const char* kDefaultsButton = "&Domyślne";

// Page titles (dialogs 101..104).
constexpr const char* kGeneralTitle = "Ogólne";
constexpr const char* kDictionaryTitle = "Słownik";
constexpr const char* kConversionsTitle = "Konwersje";
constexpr const char* kInfoTitle = "Informacje";

}  // namespace dialog_strings

// Turns a filter in the "name |pattern|name |pattern||" form into the
// "name (pattern);;name (pattern)" form of the file dialog. A name that
// already ends with its pattern in parentheses is kept as it is.
std::string FileDialogFilter(const std::string& barSeparated);

// The same filter in the form of the Windows open-file dialog: name and
// pattern pairs, each string ended by a NUL, the list by one more.
std::string OpenFileNameFilter(const std::string& barSeparated);

// The one-line build label of the Info page.
std::string BuildLabel();
