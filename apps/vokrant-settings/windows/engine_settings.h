// Opening the settings sheet the way a Speech API 4 host does: the engine
// registered on this machine (else the DLL beside this program) is loaded,
// its voice is selected on the default wave-out device (where the sheet's
// test buttons speak), and its dialogs interface shows the sheet.
#pragma once

#include <windows.h>

#include <string>

#include "sapi/audio/windows/wave_out_audio_dest.h"
#include "sapi/host/component_module.h"

struct SSettingsOutcome {
    HRESULT result = S_OK;  // the first failing result code, else S_OK
    std::string error;      // one line saying what failed; empty on success
};

// Releases a COM interface when its owner goes.
template <typename T>
struct SComReference {
    SComReference() = default;
    SComReference(const SComReference&) = delete;
    SComReference& operator=(const SComReference&) = delete;
    ~SComReference() {
        if (p != nullptr) p->Release();
    }
    T* p = nullptr;
};

class SEngineSettings {
public:
    // Loads the engine and selects its voice.
    SSettingsOutcome Open();
    // Shows the sheet owned by `owner` (the engine shows none without a
    // window) with `title` as caption, or the sheet's own caption when it is
    // null. Returns once the sheet is closed.
    SSettingsOutcome Show(HWND owner, const wchar_t* title);

private:
    // Declared first so that it is unloaded after every interface below is released.
    SComponentModule module_;
    SComReference<ITTSEnumW> modes_;
    SComReference<CWaveOutAudioDest> dest_;  // where the sheet's test speech is heard
    SComReference<ITTSCentralW> central_;
    SComReference<ITTSDialogsW> dialogs_;
};
