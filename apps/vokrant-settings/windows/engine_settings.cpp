#include "engine_settings.h"

#include <cstdio>

#include "sapi/engine_ids.h"

namespace {

std::string HexResult(HRESULT hr) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(hr));
    return text;
}

SSettingsOutcome Failure(HRESULT hr, const std::string& what) {
    if (!FAILED(hr)) return {E_FAIL, what};
    return {hr, what + " (" + HexResult(hr) + ")"};
}

// The destination's notifications are delivered on this thread while the
// sheet runs its own message loop: a timer of the owner window pumps them.
constexpr UINT kPumpIntervalMs = 20;

void CALLBACK PumpAudio(HWND, UINT, UINT_PTR dest, DWORD) {
    reinterpret_cast<CAudioDestBase*>(dest)->WaitAndPump(0);
}

}  // namespace

SSettingsOutcome SEngineSettings::Open() {
    std::string error;
    if (!module_.Load(SComponentModule::BesideProgram(), &error)) return {E_FAIL, error};
    modes_.p = module_.CreateEnumerator(&error);
    if (modes_.p == nullptr) return {E_FAIL, error};
    dest_.p = CWaveOutAudioDest::Create();
    HRESULT hr =
        modes_.p->Select(MODEID_VokrantNeutral, &central_.p, static_cast<IAudio*>(dest_.p));
    if (FAILED(hr) || central_.p == nullptr)
        return Failure(hr, "the engine cannot select its voice");
    hr = central_.p->QueryInterface(IID_ITTSDialogsW, reinterpret_cast<void**>(&dialogs_.p));
    if (FAILED(hr) || dialogs_.p == nullptr)
        return Failure(hr, "the engine offers no settings dialogs");
    return {};
}

SSettingsOutcome SEngineSettings::Show(HWND owner, const wchar_t* title) {
    if (dialogs_.p == nullptr) return {E_UNEXPECTED, "the engine is not open"};
    if (owner == nullptr) return {E_INVALIDARG, "no window to own the settings sheet"};
    const UINT_PTR timer =
        SetTimer(owner, reinterpret_cast<UINT_PTR>(dest_.p), kPumpIntervalMs, &PumpAudio);
    HRESULT hr = dialogs_.p->GeneralDlg(owner, reinterpret_cast<const WCHAR*>(title));
    if (timer != 0) KillTimer(owner, timer);
    if (FAILED(hr)) return Failure(hr, "the engine could not show its settings");
    return {};
}
