#include "dialogs/windows/win_page.h"

#include "dialogs/windows/win_param_sheet.h"
#include "platform/codepage.h"

namespace {

std::wstring AsWide(const std::u16string& text) {
    return std::wstring(text.begin(), text.end());
}
std::u16string AsUtf16(const std::wstring& text) {
    return std::u16string(text.begin(), text.end());
}

}  // namespace

std::wstring WideFromUtf8(const std::string& utf8) {
    return AsWide(Utf8ToUtf16(utf8));
}
std::wstring WideFromCp1250(const std::string& cp1250) {
    return AsWide(Cp1250ToUtf16(cp1250));
}
std::string Cp1250FromWide(const std::wstring& wide) {
    return Utf16ToCp1250(AsUtf16(wide));
}

std::wstring WideFromAnsiPath(const std::string& path) {
    if (path.empty()) return {};
    const int length =
        MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), wide.data(), length);
    return wide;
}

std::string AnsiPathFromWide(const std::wstring& path) {
    if (path.empty()) return {};
    const int length = WideCharToMultiByte(CP_ACP, 0, path.data(), static_cast<int>(path.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, path.data(), static_cast<int>(path.size()), ansi.data(), length,
                        nullptr, nullptr);
    return ansi;
}

HINSTANCE SheetModule() {
    // The templates are linked into the module that holds this code (the DLL
    // or a test program), not necessarily the process's executable.
    HMODULE module = nullptr;
    GetModuleHandleExW(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCWSTR>(&SheetModule), &module);
    return module;
}

PROPSHEETPAGEW SWinPage::Describe() const {
    PROPSHEETPAGEW page{};
    page.dwSize = sizeof page;
    page.hInstance = SheetModule();
    page.pszTemplate = MAKEINTRESOURCEW(dialogId_);
    page.pfnDlgProc = &SWinPage::Proc;
    page.lParam = reinterpret_cast<LPARAM>(this);
    return page;
}

std::wstring SWinPage::ItemText(int id) const {
    HWND item = Item(id);
    const int length = item ? GetWindowTextLengthW(item) : 0;
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    if (length > 0) GetWindowTextW(item, text.data(), length + 1);
    text.resize(static_cast<size_t>(length));
    return text;
}

INT_PTR CALLBACK SWinPage::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* page = reinterpret_cast<SWinPage*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (message == WM_INITDIALOG) {
        page = reinterpret_cast<SWinPage*>(reinterpret_cast<const PROPSHEETPAGEW*>(lParam)->lParam);
        SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(page));
        page->hwnd_ = hwnd;
        page->OnInitDialog();
        return TRUE;
    }
    if (page == nullptr) return FALSE;
    switch (message) {
        case WM_COMMAND:
            return page->OnCommand(LOWORD(wParam), HIWORD(wParam));
        case WM_HSCROLL:
            return page->OnHScroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam));
        case WM_DRAWITEM:
            return page->OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        case WM_NOTIFY:
            return page->OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        case WM_DESTROY:
            page->hwnd_ = nullptr;
            return FALSE;
        default:
            return FALSE;
    }
}

bool SWinPage::OnNotify(const NMHDR& header) {
    switch (header.code) {
        case PSN_APPLY:
            OnOK();
            sheet_.NoteAccepted();
            SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, PSNRET_NOERROR);
            return true;
        case PSN_RESET:
            OnCancel();
            return true;
        default:
            return false;
    }
}
