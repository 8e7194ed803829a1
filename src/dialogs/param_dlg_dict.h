// The Dictionary page (dialog 102): which dictionary file the engine uses,
// and its entries (key -> replacement) to add, remove and try out. OK writes
// the entries back to the file in key order.
#pragma once

#include <functional>
#include <string>

#include "dialogs/dictionary_page_state.h"
#include "dialogs/property_page.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class SAttribute;
class STestSpeaker;

class SParamDlgDict : public SPropertyPage {
    Q_OBJECT

public:
    static constexpr int kDialogId = 102;
    static constexpr int kBrowseId = 211;
    static constexpr int kUseDictId = 212;
    static constexpr int kPathId = 213;
    static constexpr int kTestButtonId = 241;
    static constexpr int kKeyComboId = 242;
    static constexpr int kReplacementId = 243;
    static constexpr int kAddId = 247;
    static constexpr int kRemoveId = 248;
    static constexpr int kArrowId = 249;

    // Asks for a dictionary file: (parent, start directory, filter) -> the
    // chosen path, or an empty string when the user cancelled.
    using SFileChooser = std::function<QString(QWidget*, const QString&, const QString&)>;
    // Checks a chosen file with the engine's dictionary loader.
    using SDictionaryCheck = SDictionaryPageState::SDictionaryCheck;

    SParamDlgDict(SAttribute& settings, STestSpeaker* speaker, QWidget* parent = nullptr);

    void SetFileChooser(SFileChooser chooser) { chooseFile_ = std::move(chooser); }
    void SetDictionaryCheck(SDictionaryCheck check) { state_.SetDictionaryCheck(std::move(check)); }
    // Called after OK has written the file (the engine reloads it).
    void SetOnWritten(std::function<void(const std::string& path)> onWritten) {
        onWritten_ = std::move(onWritten);
    }

    const std::string& Path() const { return state_.Path(); }
    const SDictionaryEntries& Entries() const { return state_.Entries(); }

    // "...": pick another file; it is checked and its entries are shown.
    void OnBrowse();
    // "&Dodaj", "&Usuń", "&Testuj".
    void OnAdd();
    void OnRemove();
    void OnTest();
    // OK: the path and the switch into the settings, the entries into the file.
    void OnOK() override;

protected:
    void OnInitDialog() override;

private:
    void ReadEntries();
    void ShowEntries();
    void ShowPath();
    void ShowKeys(const std::string& select);
    void ShowReplacementOfSelection();

    STestSpeaker* speaker_;
    SDictionaryPageState state_;
    SFileChooser chooseFile_;
    std::function<void(const std::string&)> onWritten_;
    QWidget* entriesGroup_ = nullptr;
    QCheckBox* useBox_ = nullptr;
    QLineEdit* pathEdit_ = nullptr;
    QComboBox* keys_ = nullptr;
    QLineEdit* replacement_ = nullptr;
};

// The open-file dialog of the page: existing files only, default extension
// "exp", read-only switch hidden.
QString ChooseDictionaryFile(QWidget* parent, const QString& directory, const QString& filter);
