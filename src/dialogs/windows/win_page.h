// One page of the Win32 settings sheet: a dialog template of the module and
// the dialog procedure that routes its messages to the page object. The
// window exists only once the page has been shown.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

class SWinParamSheet;

class SWinPage {
public:
    SWinPage(SWinParamSheet& sheet, int dialogId) : sheet_(sheet), dialogId_(dialogId) {}
    virtual ~SWinPage() = default;
    SWinPage(const SWinPage&) = delete;
    SWinPage& operator=(const SWinPage&) = delete;

    int DialogId() const { return dialogId_; }
    HWND Window() const { return hwnd_; }
    bool WindowExists() const { return hwnd_ != nullptr; }
    // The page as the property sheet takes it (template of this module).
    PROPSHEETPAGEW Describe() const;

    // OK step: the page's values into the settings; Cancel undoes trials.
    virtual void OnOK() {}
    virtual void OnCancel() {}

protected:
    virtual void OnInitDialog() = 0;
    virtual bool OnCommand(int /*id*/, int /*code*/) { return false; }
    virtual bool OnHScroll(HWND /*control*/, int /*code*/) { return false; }
    virtual bool OnDrawItem(const DRAWITEMSTRUCT& /*item*/) { return false; }

    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
    std::wstring ItemText(int id) const;
    void SetItemText(int id, const std::wstring& text) const {
        SetDlgItemTextW(hwnd_, id, text.c_str());
    }

    SWinParamSheet& sheet_;

private:
    static INT_PTR CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool OnNotify(const NMHDR& header);

    int dialogId_;
    HWND hwnd_ = nullptr;
};

// Texts between the pages' Unicode controls and the engine's strings.
std::wstring WideFromUtf8(const std::string& utf8);
std::wstring WideFromCp1250(const std::string& cp1250);
std::string Cp1250FromWide(const std::wstring& wide);
// Paths are in the system's ANSI code page, as the settings keep them.
std::wstring WideFromAnsiPath(const std::string& path);
std::string AnsiPathFromWide(const std::wstring& path);
// The module that holds the dialog templates.
HINSTANCE SheetModule();
