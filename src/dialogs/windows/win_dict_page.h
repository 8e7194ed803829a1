// The Dictionary page (dialog 102) in Win32 over SDictionaryPageState: the
// dictionary file and its switch, a sorted combo box of keys, the
// replacement edit and the buttons that add, remove and try entries.
#pragma once

#include <functional>
#include <string>

#include "dialogs/dictionary_page_state.h"
#include "dialogs/windows/win_page.h"

class SAttribute;
class STestSpeaker;

class SWinDictPage : public SWinPage {
public:
    // Asks for a dictionary file: (owner, start directory, filter with NUL
    // separators) -> the chosen path, or empty when the user cancelled.
    using SFileChooser =
        std::function<std::wstring(HWND, const std::wstring&, const std::wstring&)>;

    SWinDictPage(SWinParamSheet& sheet, SAttribute& settings, STestSpeaker* speaker);

    void SetFileChooser(SFileChooser chooser) { chooseFile_ = std::move(chooser); }
    void SetDictionaryCheck(SDictionaryPageState::SDictionaryCheck check) {
        state_.SetDictionaryCheck(std::move(check));
    }
    // Called after OK has written the file (the engine reloads it).
    void SetOnWritten(std::function<void(const std::string&)> onWritten) {
        onWritten_ = std::move(onWritten);
    }

    const SDictionaryPageState& State() const { return state_; }

    void OnOK() override;

protected:
    void OnInitDialog() override;
    bool OnCommand(int id, int code) override;

private:
    void ReadEntries();
    void ShowPath();
    void ShowEntries(const std::string& select);
    void ShowReplacementOfSelection();
    std::string SelectedKey() const;
    void OnBrowse();
    void OnAdd();
    void OnRemove();
    void OnTest();

    STestSpeaker* speaker_;
    SDictionaryPageState state_;
    SFileChooser chooseFile_;
    std::function<void(const std::string&)> onWritten_;
};

// The open-file dialog of the page: existing files only, default extension
// "exp", read-only box hidden.
std::wstring ChooseDictionaryFile(HWND owner, const std::wstring& directory,
                                  const std::wstring& filter);
