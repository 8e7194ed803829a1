// Compile-time checks of the binary interface the Windows hosts see. The
// 32-bit build is the one hosts load and these machines cannot run it, so
// what it must be is checked here: structure sizes and offsets, the calling
// convention of every method a host calls, and the system's own COM types.
#include <cstddef>
#include <type_traits>

#include "sapi/sapi4.h"

namespace {

constexpr bool kIs32Bit = sizeof(void*) == 4;

// COM is the system's: our interfaces derive from Windows' IUnknown.
static_assert(std::is_same_v<WCHAR, wchar_t>);
static_assert(std::is_base_of_v<::IUnknown, ITTSCentralW> &&
              std::is_base_of_v<::IUnknown, IAudioDest>);
static_assert(sizeof(HRESULT) == 4 && sizeof(GUID) == 16 && sizeof(BOOL) == 4 &&
              sizeof(ULONG) == 4);

// Structures: SDATA carries a pointer (8 bytes on x86, 16 on x64); the others hold none.
static_assert(!kIs32Bit ||
              (sizeof(SDATA) == 8 && offsetof(SDATA, dwSize) == 4 && alignof(SDATA) == 4));
static_assert(kIs32Bit || (sizeof(SDATA) == 16 && offsetof(SDATA, dwSize) == 8));
static_assert(sizeof(TTSMODEINFOW) == 2800 && alignof(TTSMODEINFOW) == 4);
static_assert(sizeof(TTSMODEINFOA) == 1424 && alignof(TTSMODEINFOA) == 4);
static_assert(offsetof(TTSMODEINFOA, szMfgName) == 16 && offsetof(TTSMODEINFOA, wAge) == 1410);
static_assert(offsetof(TTSMODEINFOA, dwInterfaces) == 1416);
static_assert(sizeof(TTSMODEINFORANK) == 56 && offsetof(TTSMODEINFORANK, dwEngineFeatures) == 52);
static_assert(sizeof(LANGUAGEW) == 130 && offsetof(LANGUAGEW, szDialect) == 2);
static_assert(sizeof(LANGUAGEA) == 66 && offsetof(LANGUAGEA, szDialect) == 2);
static_assert(sizeof(TTSMOUTH) == 8 && offsetof(TTSMOUTH, bLipTension) == 7);
static_assert(sizeof(WAVEFORMATEX) == 18 && offsetof(WAVEFORMATEX, nSamplesPerSec) == 4 &&
              offsetof(WAVEFORMATEX, nBlockAlign) == 12 && offsetof(WAVEFORMATEX, cbSize) == 16);
static_assert(sizeof(FILETIME) == 8 && sizeof(QWORD) == 8);
static_assert(sizeof(VOICECHARSET) == 4 && sizeof(VOICEPARTOFSPEECH) == 4);

// Every method has the system calling convention (__stdcall on x86): a
// method declared without it has a different type and fails here.
#define VOKRANT_CHECK_METHOD(Iface, Method, Params)                                           \
    static_assert(                                                                            \
        std::is_same_v<decltype(&Iface::Method), HRESULT(STDMETHODCALLTYPE Iface::*) Params>, \
        #Iface "::" #Method)

VOKRANT_CHECK_METHOD(ITTSCentralW, Inject, (const WCHAR*));
VOKRANT_CHECK_METHOD(ITTSCentralW, ModeGet, (TTSMODEINFOW*));
VOKRANT_CHECK_METHOD(ITTSCentralW, Phoneme, (VOICECHARSET, DWORD, SDATA, SDATA*));
VOKRANT_CHECK_METHOD(ITTSCentralW, PosnGet, (QWORD*));
VOKRANT_CHECK_METHOD(ITTSCentralW, TextData, (VOICECHARSET, DWORD, SDATA, void*, IID));
VOKRANT_CHECK_METHOD(ITTSCentralW, ToFileTime, (QWORD*, FILETIME*));
VOKRANT_CHECK_METHOD(ITTSCentralW, AudioPause, ());
VOKRANT_CHECK_METHOD(ITTSCentralW, AudioResume, ());
VOKRANT_CHECK_METHOD(ITTSCentralW, AudioReset, ());
VOKRANT_CHECK_METHOD(ITTSCentralW, Register, (void*, IID, DWORD*));
VOKRANT_CHECK_METHOD(ITTSCentralW, UnRegister, (DWORD));
VOKRANT_CHECK_METHOD(ITTSCentralA, Inject, (const CHAR*));
VOKRANT_CHECK_METHOD(ITTSCentralA, TextData, (VOICECHARSET, DWORD, SDATA, void*, IID));
VOKRANT_CHECK_METHOD(ITTSAttributesW, PitchGet, (WORD*));
VOKRANT_CHECK_METHOD(ITTSAttributesW, PitchSet, (WORD));
VOKRANT_CHECK_METHOD(ITTSAttributesW, RealTimeSet, (DWORD));
VOKRANT_CHECK_METHOD(ITTSAttributesW, SpeedSet, (DWORD));
VOKRANT_CHECK_METHOD(ITTSAttributesW, VolumeSet, (DWORD));
VOKRANT_CHECK_METHOD(ITTSDialogsW, AboutDlg, (HWND, const WCHAR*));
VOKRANT_CHECK_METHOD(ITTSDialogsW, TranslateDlg, (HWND, const WCHAR*));
VOKRANT_CHECK_METHOD(ITTSEnumW, Next, (ULONG, TTSMODEINFOW*, ULONG*));
VOKRANT_CHECK_METHOD(ITTSEnumW, Skip, (ULONG));
VOKRANT_CHECK_METHOD(ITTSEnumW, Reset, ());
VOKRANT_CHECK_METHOD(ITTSEnumW, Clone, (ITTSEnumW**));
VOKRANT_CHECK_METHOD(ITTSEnumW, Select, (GUID, ITTSCentralW**, IUnknown*));
VOKRANT_CHECK_METHOD(ITTSEnumA, Select, (GUID, ITTSCentralA**, IUnknown*));
VOKRANT_CHECK_METHOD(ITTSNotifySinkW, AudioStart, (QWORD));
VOKRANT_CHECK_METHOD(ITTSNotifySinkW, Visual, (QWORD, WCHAR, WCHAR, DWORD, TTSMOUTH*));
VOKRANT_CHECK_METHOD(ITTSBufNotifySink, TextDataDone, (QWORD, DWORD));
VOKRANT_CHECK_METHOD(ITTSBufNotifySink, BookMark, (QWORD, DWORD));
VOKRANT_CHECK_METHOD(ITTSBufNotifySink, WordPosition, (QWORD, DWORD));
VOKRANT_CHECK_METHOD(IAudio, PassNotify, (void*, IID));
VOKRANT_CHECK_METHOD(IAudio, Claim, ());
VOKRANT_CHECK_METHOD(IAudio, TotalGet, (QWORD*));
VOKRANT_CHECK_METHOD(IAudio, WaveFormatGet, (SDATA*));
VOKRANT_CHECK_METHOD(IAudio, WaveFormatSet, (SDATA));
VOKRANT_CHECK_METHOD(IAudioDest, FreeSpace, (DWORD*, BOOL*));
VOKRANT_CHECK_METHOD(IAudioDest, DataSet, (void*, DWORD));
VOKRANT_CHECK_METHOD(IAudioDest, BookMark, (DWORD));
VOKRANT_CHECK_METHOD(IAudioDestNotifySink, AudioStop, (WORD));
VOKRANT_CHECK_METHOD(IAudioDestNotifySink, BookMark, (DWORD, BOOL));
VOKRANT_CHECK_METHOD(IAudioMultiMediaDevice, CustomMessage, (UINT, SDATA));
VOKRANT_CHECK_METHOD(IAudioFile, Set, (const WCHAR*, DWORD));
#undef VOKRANT_CHECK_METHOD

}  // namespace
