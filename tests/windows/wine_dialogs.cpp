// A host opening the voice's settings through ITTSDialogs of the registered
// vokrant.dll, as a host's "voice settings" button does: each dialog method
// shows the native sheet modally on its page with its caption; while it is
// up, a timer of this thread checks it, presses "&Testuj" (the text goes
// through the mode to the host's audio destination) and cancels the sheet.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "check.h"
#include "sapi/audio/simulated_audio_dest.h"
#include "sapi/engine_ids.h"
#include "sapi/sapi4.h"

namespace {

constexpr int kTestButtonId = 241;

// What the timer saw of the sheet that was up.
struct SSeenSheet {
    bool found = false;
    std::wstring caption;
    int page = -1;
    bool testEnabled = false;
};
SSeenSheet g_seen;

BOOL CALLBACK FindSheet(HWND window, LPARAM found) {
    if (IsWindowVisible(window) && SendMessageW(window, PSM_GETTABCONTROL, 0, 0) != 0) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK InspectSheet(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND sheet = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindSheet, reinterpret_cast<LPARAM>(&sheet));
    if (sheet == nullptr) return;
    KillTimer(nullptr, timer);
    g_seen.found = true;
    wchar_t caption[256] = L"";
    GetWindowTextW(sheet, caption, 256);
    g_seen.caption = caption;
    HWND current = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    g_seen.page = static_cast<int>(
        SendMessageW(sheet, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(current), 0));
    SendMessageW(sheet, PSM_SETCURSEL, 0, 0);
    HWND general = reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    HWND test = GetDlgItem(general, kTestButtonId);
    g_seen.testEnabled = test != nullptr && IsWindowEnabled(test);
    if (g_seen.testEnabled) SendMessageW(test, BM_CLICK, 0, 0);
    SendMessageW(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}

// A sheet that never shows up must not hang the test run.
DWORD WINAPI Watchdog(void*) {
    Sleep(60000);
    std::fprintf(stderr, "wine_dialogs: the sheet did not close in time\n");
    ExitProcess(3);
}

}  // namespace

int main() {
    CHECK(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    CloseHandle(CreateThread(nullptr, 0, &Watchdog, nullptr, 0, nullptr));
    void* p = nullptr;
    CHECK(CoCreateInstance(CLSID_VokrantEngine, nullptr, CLSCTX_INPROC_SERVER, IID_ITTSEnumW, &p) ==
          S_OK);
    auto* modes = static_cast<ITTSEnumW*>(p);
    if (modes == nullptr) return wine_check::Summary("wine_dialogs");
    CSimulatedAudioDest* dest = CSimulatedAudioDest::Create(16384);
    ITTSCentralW* central = nullptr;
    CHECK(modes->Select(MODEID_VokrantNeutral, &central, static_cast<IAudio*>(dest)) == S_OK);
    if (central == nullptr) return wine_check::Summary("wine_dialogs");
    p = nullptr;
    CHECK(central->QueryInterface(IID_ITTSDialogsW, &p) == S_OK);
    auto* dialogs = static_cast<ITTSDialogsW*>(p);
    HWND owner = CreateWindowExW(0, L"STATIC", L"host", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 nullptr, nullptr);

    using SDialog = HRESULT (STDMETHODCALLTYPE ITTSDialogsW::*)(HWND, const WCHAR*);
    const struct {
        SDialog open;
        const WCHAR* title;
        int page;
        const wchar_t* caption;
    } cases[] = {
        {&ITTSDialogsW::GeneralDlg, nullptr, 0, L"Vokrant – syntezator mowy polskiej"},
        {&ITTSDialogsW::LexiconDlg, L"Słownik użytkownika", 1, L"Słownik użytkownika"},
        {&ITTSDialogsW::TranslateDlg, nullptr, 2, L"Vokrant – syntezator mowy polskiej"},
        {&ITTSDialogsW::AboutDlg, L"", 3, L"Vokrant – syntezator mowy polskiej"},
    };
    for (const auto& c : cases) {
        g_seen = {};
        const size_t heard = dest->Written().size();
        SetTimer(nullptr, 0, 50, &InspectSheet);
        CHECK((dialogs->*c.open)(owner, c.title) == S_OK);
        CHECK_NOTE(g_seen.found, std::to_string(c.page));
        CHECK_NOTE(g_seen.page == c.page, std::to_string(g_seen.page));
        CHECK(g_seen.caption == c.caption);
        CHECK(g_seen.testEnabled);
        // "&Testuj" spoke through the mode into the host's destination.
        CHECK_NOTE(dest->Written().size() > heard, std::to_string(dest->Written().size()));
        CHECK(central->AudioReset() == S_OK);  // the next sheet's test starts afresh
        dest->PlayAll();
    }
    // No window: nothing is shown, and the call still succeeds.
    CHECK(dialogs->GeneralDlg(nullptr, nullptr) == S_OK);

    DestroyWindow(owner);
    dialogs->Release();
    CHECK(central->Release() == 0);
    dest->PlayAll();
    dest->Release();
    modes->Release();
    CoUninitialize();
    return wine_check::Summary("wine_dialogs");
}
