// The settings sheet as a native Windows property sheet: four pages from the
// module's dialog templates over the shared dialog logic, and the framework's
// Apply button turned into "Zapa&miętaj" (command 40400), which asks and then
// stores the pages' values in the registry.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "dialogs/windows/win_conv_page.h"
#include "dialogs/windows/win_dict_page.h"
#include "dialogs/windows/win_general_page.h"
#include "dialogs/windows/win_info_page.h"

class SAttribute;
class STestSpeaker;
class STtsEngine;

class SWinParamSheet {
public:
    enum {
        kGeneralPage = 0,
        kDictionaryPage = 1,
        kConversionsPage = 2,
        kInfoPage = 3,
        kPageCount = 4
    };

    // Shows a message (MessageBoxW's text and flags) and returns the button
    // chosen; tests answer in its place.
    using SMessageBox = std::function<int(HWND owner, const std::wstring& text, UINT flags)>;

    // `engine` (pause patterns and dictionary follow OK) and `speaker` (the
    // test buttons) may be null.
    SWinParamSheet(SAttribute& settings, STtsEngine* engine, STestSpeaker* speaker);
    ~SWinParamSheet();

    void SetCaption(const std::wstring& caption) { caption_ = caption; }
    void SetStartPage(int index) { startPage_ = index >= 0 && index < kPageCount ? index : 0; }
    void SetMessageBox(SMessageBox messageBox) { messageBox_ = std::move(messageBox); }

    // Modal: 1 after OK, 0 after Cancel, -1 when the sheet could not be made.
    int RunModal(HWND owner);
    // Modeless: the sheet's window, or null. The caller dispatches its
    // messages and destroys it once PropSheet_GetCurrentPageHwnd is null.
    HWND CreateModeless(HWND owner);
    HWND Window() const { return hwnd_; }
    bool Accepted() const { return accepted_; }

    SWinPage& Page(int index);
    SWinGeneralPage& General() { return general_; }
    SWinDictPage& Dictionary() { return dict_; }
    SWinConvPage& Conversions() { return conv_; }

    // Command 40400: ask, then the OK step of every page with a window and
    // a save of the settings. True when saved.
    bool OnSaveCommand();
    int Ask(const std::wstring& text, UINT flags);
    // A test button could not speak: says so, with the speaker's reason.
    void TellTestFailed(const std::wstring& what, const STestSpeaker& speaker);
    // A page's OK step ran because the sheet's OK was pressed.
    void NoteAccepted() { accepted_ = true; }

private:
    INT_PTR Show(HWND owner, bool modeless);
    void OnInitialized(HWND sheet);
    static int CALLBACK Callback(HWND hwnd, UINT message, LPARAM lParam);
    static LRESULT CALLBACK SheetProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    SAttribute& settings_;
    SWinGeneralPage general_;
    SWinDictPage dict_;
    SWinConvPage conv_;
    SWinInfoPage info_;
    std::wstring caption_;
    int startPage_ = 0;
    SMessageBox messageBox_;
    HWND hwnd_ = nullptr;
    WNDPROC frameworkProc_ = nullptr;
    bool accepted_ = false;
};
