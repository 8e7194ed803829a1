// ITTSAttributes and ITTSDialogs of the mode object.
#include "core/attribute.h"
#include "platform/codepage.h"
#include "platform/log.h"
#include "platform/process_priority.h"
#include "sapi/com_boundary.h"
#include "sapi/mode_interfaces.h"
#include "sapi/mode_object.h"
#include "sapi/settings_sheet_hook.h"

HRESULT CMode::PitchGet(WORD* pitch) {
    if (pitch == nullptr) return E_INVALIDARG;
    *pitch = settings->pitch;
    return S_OK;
}

HRESULT CMode::PitchSet(WORD pitch) {
    int value = pitch;
    if (pitch == TTSATTR_MINPITCH)
        value = SAttribute::kMinPitch;
    else if (pitch == TTSATTR_MAXPITCH)
        value = SAttribute::kMaxPitch;
    else if (pitch < SAttribute::kMinPitch || pitch > SAttribute::kMaxPitch)
        return E_UNEXPECTED;
    settings->SetSpeed(value / 2);
    BroadcastAttribChanged(TTSNSAC_SPEED);
    settings->SetPitch(value);
    BroadcastAttribChanged(TTSNSAC_PITCH);
    return S_OK;
}

HRESULT CMode::RealTimeGet(DWORD* realTime) {
    if (realTime == nullptr) return E_INVALIDARG;
    switch (GetProcessPriority()) {
        case SPriorityClass::Idle:
            *realTime = 5;
            break;
        case SPriorityClass::Normal:
            *realTime = 30;
            break;
        case SPriorityClass::High:
            *realTime = 60;
            break;
        case SPriorityClass::RealTime:
            *realTime = 99;
            break;
    }
    settings->realTime = static_cast<int32_t>(*realTime);
    return S_OK;
}

HRESULT CMode::RealTimeSet(DWORD realTime) {
    DWORD value = realTime;
    if (realTime == TTSATTR_MINREALTIME || realTime == 5)
        value = 5;
    else if (realTime == TTSATTR_MAXREALTIME)
        value = 99;
    else if (realTime < 6 || realTime > 99)
        return E_UNEXPECTED;
    if (value > 60)
        SetProcessPriority(SPriorityClass::RealTime);
    else if (value > 30)
        SetProcessPriority(SPriorityClass::High);
    else
        SetProcessPriority(realTime == 0 || realTime == 5 ? SPriorityClass::Idle
                                                          : SPriorityClass::Normal);
    settings->realTime = static_cast<int32_t>(value);
    BroadcastAttribChanged(TTSNSAC_REALTIME);
    return S_OK;
}

HRESULT CMode::SpeedGet(DWORD* speed) {
    if (speed == nullptr) return E_INVALIDARG;
    *speed = static_cast<DWORD>(settings->speed);
    return S_OK;
}

HRESULT CMode::SpeedSet(DWORD speed) {
    DWORD value = speed;
    if (speed == TTSATTR_MINSPEED)
        value = SAttribute::kMinSpeed;
    else if (speed == TTSATTR_MAXSPEED)
        value = SAttribute::kMaxSpeed;
    else if (speed < SAttribute::kMinSpeed || speed > SAttribute::kMaxSpeed)
        return E_UNEXPECTED;
    settings->SetPitch(static_cast<int>(2 * value));
    BroadcastAttribChanged(TTSNSAC_PITCH);
    settings->SetSpeed(static_cast<int>(value));
    BroadcastAttribChanged(TTSNSAC_SPEED);
    return S_OK;
}

HRESULT CMode::VolumeGet(DWORD* volume) {
    if (volume == nullptr) return E_INVALIDARG;
    DWORD stored = settings->volume;
    *volume = stored < 0x10000 ? (stored | (stored << 16)) : stored;
    return S_OK;
}

HRESULT CMode::VolumeSet(DWORD volume) {
    settings->SetVolume(volume);
    BroadcastAttribChanged(TTSNSAC_VOLUME);
    return S_OK;
}

HRESULT CMode::ShowDialog(HWND parent, const std::u16string* title, int startPage) {
    if (parent == nullptr) return S_OK;
    if (SModeSheetOpener open = ModeSheetOpener(); open != nullptr && engine != nullptr) {
        // Shown or not (no display), the request itself succeeded; the sheet logs why.
        open(*engine, static_cast<ITTSCentralA*>(centralA.get()), startPage, title);
        return S_OK;
    }
    LogMessage("okno ustawie\xF1 (strona %d) nie jest dost\xEApne\n", startPage);
    return S_OK;
}

// ---- Interface objects --------------------------------------------------------

#define VOKRANT_ATTRIBUTE_METHOD(Name, Type)                                            \
    HRESULT CModeITTSAttributesW::Name(Type value) {                                    \
        return GuardCall("ITTSAttributes::" #Name, [&] { return mode_->Name(value); }); \
    }
VOKRANT_ATTRIBUTE_METHOD(PitchGet, WORD*)
VOKRANT_ATTRIBUTE_METHOD(PitchSet, WORD)
VOKRANT_ATTRIBUTE_METHOD(RealTimeGet, DWORD*)
VOKRANT_ATTRIBUTE_METHOD(RealTimeSet, DWORD)
VOKRANT_ATTRIBUTE_METHOD(SpeedGet, DWORD*)
VOKRANT_ATTRIBUTE_METHOD(SpeedSet, DWORD)
VOKRANT_ATTRIBUTE_METHOD(VolumeGet, DWORD*)
VOKRANT_ATTRIBUTE_METHOD(VolumeSet, DWORD)
#undef VOKRANT_ATTRIBUTE_METHOD

HRESULT CModeITTSDialogsW::Show(HWND parent, const WCHAR* title, int startPage) {
    return GuardCall("ITTSDialogs", [&] {
        std::u16string text = title != nullptr ? std::u16string(AsUtf16(title)) : std::u16string();
        return mode_->ShowDialog(parent, title != nullptr ? &text : nullptr, startPage);
    });
}

namespace {

// The ANSI title limit: with its terminator it must fit in 255 characters.
HRESULT ConvertTitle(const CHAR* title, std::u16string* wide) {
    if (title == nullptr) return S_OK;
    std::size_t length = 0;
    while (length < 255 && title[length] != 0) ++length;
    if (length + 1 > 255) return E_OUTOFMEMORY;
    *wide = Cp1250ToUtf16(std::string_view(title, length));
    return S_OK;
}

}  // namespace

#define VOKRANT_DIALOG_METHOD(Name)                                                  \
    HRESULT CModeITTSDialogsA::Name(HWND w, const CHAR* t) {                         \
        return GuardCall("ITTSDialogsA::" #Name, [&]() -> HRESULT {                  \
            std::u16string wide;                                                     \
            HRESULT hr = ConvertTitle(t, &wide);                                     \
            if (FAILED(hr)) return hr;                                               \
            return unicode_->Name(w, t != nullptr ? AsWide(wide.c_str()) : nullptr); \
        });                                                                          \
    }
VOKRANT_DIALOG_METHOD(AboutDlg)
VOKRANT_DIALOG_METHOD(LexiconDlg)
VOKRANT_DIALOG_METHOD(GeneralDlg)
VOKRANT_DIALOG_METHOD(TranslateDlg)
#undef VOKRANT_DIALOG_METHOD
