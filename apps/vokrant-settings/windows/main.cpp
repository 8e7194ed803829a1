// vokrant-settings.exe: the Start-menu entry for the engine's settings. It
// opens the same sheet a Speech API 4 host shows from its voice-settings
// button. A failure is shown in a message box when there is a desktop to
// show it on, always written to standard error, and ends the program with
// status 1.
#include <windows.h>

#include <cstdio>
#include <string>

#include "engine_settings.h"
#include "platform/codepage.h"

namespace {

const wchar_t kProgramTitle[] = L"Vokrant";

// The sheet needs an owner window; this one is never shown.
HWND CreateHiddenOwner() {
    return CreateWindowExW(0, L"STATIC", kProgramTitle, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

std::string LastErrorText() {
    char text[256];
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, GetLastError(), 0, text, sizeof text, nullptr);
    while (length > 0 &&
           (text[length - 1] == '\n' || text[length - 1] == '\r' || text[length - 1] == '.'))
        --length;
    return length > 0 ? std::string(text, length) : "error " + std::to_string(GetLastError());
}

int ReportFailure(HWND owner, const std::string& error) {
    std::fprintf(stderr, "vokrant-settings: %s\n", error.c_str());
    std::fflush(stderr);
    if (owner != nullptr) {
        std::u16string text =
            Utf8ToUtf16("Nie mo\xC5\xBCna otworzy\xC4\x87 ustawie\xC5\x84 Vokrant:\n" + error);
        MessageBoxW(owner, reinterpret_cast<const wchar_t*>(text.c_str()), kProgramTitle,
                    MB_OK | MB_ICONERROR);
    }
    return 1;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)))
        return ReportFailure(nullptr, "COM is not available");
    int status = 0;
    {
        SEngineSettings engine;
        SSettingsOutcome outcome = engine.Open();
        HWND owner = CreateHiddenOwner();
        if (outcome.error.empty() && owner == nullptr)
            outcome = {E_FAIL, "cannot create a window (no desktop?): " + LastErrorText()};
        if (outcome.error.empty()) outcome = engine.Show(owner, nullptr);
        if (!outcome.error.empty()) status = ReportFailure(owner, outcome.error);
        if (owner != nullptr) DestroyWindow(owner);
    }
    CoUninitialize();
    return status;
}
