#include "dialogs/windows/win_dict_page.h"

#include <commdlg.h>

#include <vector>

#include "dialogs/dialog_strings.h"
#include "dialogs/test_speaker.h"
#include "dialogs/windows/sheet_ids.h"
#include "dialogs/windows/win_param_sheet.h"

namespace {

constexpr const char* kUnreadable = "Nie można odczytać pliku słownika.";

std::wstring ComboItemText(HWND combo, int index) {
    const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

std::wstring Trimmed(const std::wstring& text) {
    const size_t begin = text.find_first_not_of(L" \t");
    if (begin == std::wstring::npos) return {};
    return text.substr(begin, text.find_last_not_of(L" \t") - begin + 1);
}

}  // namespace

std::wstring ChooseDictionaryFile(HWND owner, const std::wstring& directory,
                                  const std::wstring& filter) {
    std::vector<wchar_t> file(MAX_PATH * 4, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrInitialDir = directory.empty() ? nullptr : directory.c_str();
    dialog.lpstrDefExt = L"exp";
    dialog.Flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameW(&dialog)) return {};
    return file.data();
}

SWinDictPage::SWinDictPage(SWinParamSheet& sheet, SAttribute& settings, STestSpeaker* speaker)
    : SWinPage(sheet, IDD_PARAM_DICT),
      speaker_(speaker),
      state_(settings),
      chooseFile_(&ChooseDictionaryFile) {}

void SWinDictPage::OnInitDialog() {
    CheckDlgButton(Window(), IDC_DICT_USE, state_.UseDictionary() ? BST_CHECKED : BST_UNCHECKED);
    EnableWindow(Item(IDC_TEST_BUTTON), speaker_ != nullptr);
    ShowPath();
    ReadEntries();
}

void SWinDictPage::ReadEntries() {
    state_.ReadEntries();
    // Entries added to a file that could not be read would never be saved.
    const bool editable = state_.EntriesEditable();
    for (int id : {IDC_DICT_GROUP, IDC_DICT_KEYS, IDC_DICT_ARROW, IDC_DICT_REPLACEMENT,
                   IDC_DICT_ADD, IDC_DICT_REMOVE})
        EnableWindow(Item(id), editable);
    EnableWindow(Item(IDC_TEST_BUTTON), editable && speaker_ != nullptr);
    SetItemText(IDC_DICT_GROUP,
                editable ? L" &Hasła " : L" &Hasła – " + WideFromUtf8(kUnreadable) + L" ");
    ShowEntries(std::string());
}

void SWinDictPage::ShowPath() {
    SetItemText(IDC_DICT_PATH, WideFromAnsiPath(state_.Path()));
    EnableWindow(Item(IDC_DICT_USE), state_.UseBoxEnabled());
}

void SWinDictPage::ShowEntries(const std::string& select) {
    HWND keys = Item(IDC_DICT_KEYS);
    SendMessageW(keys, CB_RESETCONTENT, 0, 0);
    for (const auto& entry : state_.Entries().Entries())
        SendMessageW(keys, CB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(WideFromCp1250(entry.first).c_str()));
    LRESULT index = 0;
    if (!select.empty())
        index = SendMessageW(keys, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                             reinterpret_cast<LPARAM>(WideFromCp1250(select).c_str()));
    SendMessageW(keys, CB_SETCURSEL,
                 index == CB_ERR ? static_cast<WPARAM>(-1) : static_cast<WPARAM>(index), 0);
    ShowReplacementOfSelection();
}

std::string SWinDictPage::SelectedKey() const {
    HWND keys = Item(IDC_DICT_KEYS);
    const LRESULT index = SendMessageW(keys, CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? std::string()
                           : Cp1250FromWide(ComboItemText(keys, static_cast<int>(index)));
}

void SWinDictPage::ShowReplacementOfSelection() {
    const std::string key = SelectedKey();
    SetItemText(IDC_DICT_REPLACEMENT,
                key.empty() ? std::wstring() : WideFromCp1250(state_.Entries().Replacement(key)));
}

bool SWinDictPage::OnCommand(int id, int code) {
    if (id == IDC_DICT_KEYS && code == CBN_SELCHANGE) {
        ShowReplacementOfSelection();
        return true;
    }
    if (code != BN_CLICKED) return false;
    switch (id) {
        case IDC_DICT_USE:
            state_.SetUseDictionary(IsDlgButtonChecked(Window(), IDC_DICT_USE) == BST_CHECKED);
            break;
        case IDC_DICT_BROWSE:
            OnBrowse();
            break;
        case IDC_DICT_ADD:
            OnAdd();
            break;
        case IDC_DICT_REMOVE:
            OnRemove();
            break;
        case IDC_TEST_BUTTON:
            OnTest();
            break;
        default:
            return false;
    }
    return true;
}

void SWinDictPage::OnBrowse() {
    HWND hadFocus = GetFocus();
    std::string filter = OpenFileNameFilter(dialog_strings::kDictionaryFilter);
    const std::wstring chosen =
        chooseFile_
            ? chooseFile_(Window(), WideFromAnsiPath(state_.StartDirectory()), WideFromUtf8(filter))
            : std::wstring();
    if (!chosen.empty()) {
        state_.TakeChosenFile(AnsiPathFromWide(chosen));
        ShowPath();
        ReadEntries();
    }
    if (hadFocus) SetFocus(hadFocus);
}

void SWinDictPage::OnAdd() {
    const std::string key = Cp1250FromWide(Trimmed(ItemText(IDC_DICT_KEYS)));
    if (!state_.Add(key, Cp1250FromWide(ItemText(IDC_DICT_REPLACEMENT)))) return;
    ShowEntries(key);
}

void SWinDictPage::OnRemove() {
    const std::string key = SelectedKey();
    if (key.empty()) return;
    state_.Remove(key);
    ShowEntries(std::string());
}

void SWinDictPage::OnTest() {
    if (speaker_ && !speaker_->Speak(Cp1250FromWide(ItemText(IDC_DICT_REPLACEMENT))))
        sheet_.TellTestFailed(WideFromUtf8("Nie udało się odtworzyć zastępstwa."), *speaker_);
}

void SWinDictPage::OnOK() {
    if (state_.Ok() && onWritten_) onWritten_(state_.Path());
}
