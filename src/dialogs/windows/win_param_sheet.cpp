#include "dialogs/windows/win_param_sheet.h"

#include "core/attribute.h"
#include "dialogs/dialog_strings.h"
#include "dialogs/engine_followers.h"
#include "dialogs/test_speaker.h"
#include "dialogs/windows/sheet_ids.h"

namespace {

// The framework's Apply button (IDC_APPLY_BUTTON in the common controls).
constexpr int kFrameworkApplyId = 0x3021;
constexpr wchar_t kSheetProperty[] = L"VokrantParamSheet";

// The sheet being built on this thread: the framework's callback has no
// argument of ours.
thread_local SWinParamSheet* g_building = nullptr;

}  // namespace

SWinParamSheet::SWinParamSheet(SAttribute& settings, STtsEngine* engine, STestSpeaker* speaker)
    : settings_(settings),
      general_(*this, settings, speaker, PauseRefresherFor(engine)),
      dict_(*this, settings, speaker),
      conv_(*this, settings),
      info_(*this),
      caption_(WideFromUtf8(dialog_strings::kCaption)),
      messageBox_([](HWND owner, const std::wstring& text, UINT flags) {
          wchar_t title[256] = L"";
          if (owner) GetWindowTextW(owner, title, 256);
          return MessageBoxW(owner, text.c_str(), title, flags);
      }) {
    dict_.SetOnWritten(DictionaryReloaderFor(engine, settings));
}

SWinParamSheet::~SWinParamSheet() {
    if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

SWinPage& SWinParamSheet::Page(int index) {
    switch (index) {
        case kDictionaryPage:
            return dict_;
        case kConversionsPage:
            return conv_;
        case kInfoPage:
            return info_;
        default:
            return general_;
    }
}

int SWinParamSheet::RunModal(HWND owner) {
    accepted_ = false;
    const INT_PTR result = Show(owner, false);
    hwnd_ = nullptr;
    if (result < 0) return -1;
    return accepted_ ? 1 : 0;
}

HWND SWinParamSheet::CreateModeless(HWND owner) {
    accepted_ = false;
    const INT_PTR result = Show(owner, true);
    return result > 0 ? reinterpret_cast<HWND>(result) : nullptr;
}

INT_PTR SWinParamSheet::Show(HWND owner, bool modeless) {
    INITCOMMONCONTROLSEX controls{sizeof controls,
                                  ICC_BAR_CLASSES | ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    PROPSHEETPAGEW pages[kPageCount];
    for (int i = 0; i < kPageCount; ++i) pages[i] = Page(i).Describe();
    PROPSHEETHEADERW header{};
    header.dwSize = sizeof header;
    header.dwFlags =
        PSH_PROPSHEETPAGE | PSH_USECALLBACK | PSH_NOCONTEXTHELP | (modeless ? PSH_MODELESS : 0);
    header.hwndParent = owner;
    header.hInstance = SheetModule();
    header.pszCaption = caption_.c_str();
    header.nPages = kPageCount;
    header.nStartPage = static_cast<UINT>(startPage_);
    header.ppsp = pages;
    header.pfnCallback = &SWinParamSheet::Callback;

    g_building = this;
    const INT_PTR result = PropertySheetW(&header);
    g_building = nullptr;
    return result;
}

int CALLBACK SWinParamSheet::Callback(HWND hwnd, UINT message, LPARAM) {
    if (message == PSCB_INITIALIZED && g_building) g_building->OnInitialized(hwnd);
    return 0;
}

void SWinParamSheet::OnInitialized(HWND sheet) {
    hwnd_ = sheet;
    if (HWND save = GetDlgItem(sheet, kFrameworkApplyId)) {
        // Renumbered, the framework no longer finds (and greys) it.
        SetWindowLongPtrW(save, GWLP_ID, IDC_SAVE_COMMAND);
        SetWindowTextW(save, WideFromUtf8(dialog_strings::kSaveButton).c_str());
        ShowWindow(save, SW_SHOW);
        EnableWindow(save, TRUE);
    }
    SetPropW(sheet, kSheetProperty, this);
    frameworkProc_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        sheet, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SWinParamSheet::SheetProc)));
}

LRESULT CALLBACK SWinParamSheet::SheetProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* sheet = static_cast<SWinParamSheet*>(GetPropW(hwnd, kSheetProperty));
    if (sheet == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
    const WNDPROC framework = sheet->frameworkProc_;
    if (message == WM_COMMAND && LOWORD(wParam) == IDC_SAVE_COMMAND) {
        sheet->OnSaveCommand();
        return 0;
    }
    if (message == WM_NCDESTROY) {
        RemovePropW(hwnd, kSheetProperty);
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(framework));
        if (sheet->hwnd_ == hwnd) sheet->hwnd_ = nullptr;
    }
    return CallWindowProcW(framework, hwnd, message, wParam, lParam);
}

int SWinParamSheet::Ask(const std::wstring& text, UINT flags) {
    return messageBox_ ? messageBox_(hwnd_, text, flags) : IDCANCEL;
}

void SWinParamSheet::TellTestFailed(const std::wstring& what, const STestSpeaker& speaker) {
    const std::string reason = speaker.Failure();
    Ask(reason.empty() ? what : what + L"\n" + WideFromUtf8(reason) + L".", MB_OK | MB_ICONWARNING);
}

bool SWinParamSheet::OnSaveCommand() {
    if (Ask(WideFromUtf8(dialog_strings::kSaveQuestion), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return false;
    for (SWinPage* page : {static_cast<SWinPage*>(&general_), static_cast<SWinPage*>(&dict_),
                           static_cast<SWinPage*>(&conv_)})
        if (page->WindowExists()) page->OnOK();
    return settings_.Save();
}
