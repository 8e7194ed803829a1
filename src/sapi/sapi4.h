// Speech API 4 text-to-speech and audio interfaces. Each is a pure abstract
// class whose methods are declared in vtable slot order after IUnknown's
// three, so an object built on them has the vtable a COM host calls through.
// Parameters passed by value in the published ABI (SDATA, IID, QWORD) stay by
// value here.
#pragma once

#include "sapi/com.h"
#include "sapi/sapi4_types.h"

#define VOKRANT_SAPI_METHOD(name) virtual HRESULT STDMETHODCALLTYPE name

// ---- Engine object -----------------------------------------------------------

class ITTSCentralW : public IUnknown {
public:
    VOKRANT_SAPI_METHOD(Inject)(const WCHAR* pszTag) = 0;
    VOKRANT_SAPI_METHOD(ModeGet)(TTSMODEINFOW* pttsInfo) = 0;
    VOKRANT_SAPI_METHOD(Phoneme)
    (VOICECHARSET eCharacterSet, DWORD dwFlags, SDATA dText, SDATA* pdPhoneme) = 0;
    VOKRANT_SAPI_METHOD(PosnGet)(QWORD* pqwTimeStamp) = 0;
    VOKRANT_SAPI_METHOD(TextData)
    (VOICECHARSET eCharacterSet, DWORD dwFlags, SDATA dText, void* pNotifyInterface,
     IID IIDNotifyInterface) = 0;
    VOKRANT_SAPI_METHOD(ToFileTime)(QWORD* pqTimeStamp, FILETIME* pFT) = 0;
    VOKRANT_SAPI_METHOD(AudioPause)() = 0;
    VOKRANT_SAPI_METHOD(AudioResume)() = 0;
    VOKRANT_SAPI_METHOD(AudioReset)() = 0;
    VOKRANT_SAPI_METHOD(Register)
    (void* pNotifyInterface, IID IIDNotifyInterface, DWORD* pdwKey) = 0;
    VOKRANT_SAPI_METHOD(UnRegister)(DWORD dwKey) = 0;
};

class ITTSCentralA : public IUnknown {
public:
    VOKRANT_SAPI_METHOD(Inject)(const CHAR* pszTag) = 0;
    VOKRANT_SAPI_METHOD(ModeGet)(TTSMODEINFOA* pttsInfo) = 0;
    VOKRANT_SAPI_METHOD(Phoneme)
    (VOICECHARSET eCharacterSet, DWORD dwFlags, SDATA dText, SDATA* pdPhoneme) = 0;
    VOKRANT_SAPI_METHOD(PosnGet)(QWORD* pqwTimeStamp) = 0;
    VOKRANT_SAPI_METHOD(TextData)
    (VOICECHARSET eCharacterSet, DWORD dwFlags, SDATA dText, void* pNotifyInterface,
     IID IIDNotifyInterface) = 0;
    VOKRANT_SAPI_METHOD(ToFileTime)(QWORD* pqTimeStamp, FILETIME* pFT) = 0;
    VOKRANT_SAPI_METHOD(AudioPause)() = 0;
    VOKRANT_SAPI_METHOD(AudioResume)() = 0;
    VOKRANT_SAPI_METHOD(AudioReset)() = 0;
    VOKRANT_SAPI_METHOD(Register)
    (void* pNotifyInterface, IID IIDNotifyInterface, DWORD* pdwKey) = 0;
    VOKRANT_SAPI_METHOD(UnRegister)(DWORD dwKey) = 0;
};

// Both forms have identical signatures.
class ITTSAttributesW : public IUnknown {
public:
    VOKRANT_SAPI_METHOD(PitchGet)(WORD* pwPitch) = 0;
    VOKRANT_SAPI_METHOD(PitchSet)(WORD wPitch) = 0;
    VOKRANT_SAPI_METHOD(RealTimeGet)(DWORD* pdwRealTime) = 0;
    VOKRANT_SAPI_METHOD(RealTimeSet)(DWORD dwRealTime) = 0;
    VOKRANT_SAPI_METHOD(SpeedGet)(DWORD* pdwSpeed) = 0;
    VOKRANT_SAPI_METHOD(SpeedSet)(DWORD dwSpeed) = 0;
    VOKRANT_SAPI_METHOD(VolumeGet)(DWORD* pdwVolume) = 0;
    VOKRANT_SAPI_METHOD(VolumeSet)(DWORD dwVolume) = 0;
};
class ITTSAttributesA : public ITTSAttributesW {};

class ITTSDialogsW : public IUnknown {
public:
    VOKRANT_SAPI_METHOD(AboutDlg)(HWND hWndParent, const WCHAR* pszTitle) = 0;
    VOKRANT_SAPI_METHOD(LexiconDlg)(HWND hWndParent, const WCHAR* pszTitle) = 0;
    VOKRANT_SAPI_METHOD(GeneralDlg)(HWND hWndParent, const WCHAR* pszTitle) = 0;
    VOKRANT_SAPI_METHOD(TranslateDlg)(HWND hWndParent, const WCHAR* pszTitle) = 0;
};

class ITTSDialogsA : public IUnknown {
public:
    VOKRANT_SAPI_METHOD(AboutDlg)(HWND hWndParent, const CHAR* pszTitle) = 0;
    VOKRANT_SAPI_METHOD(LexiconDlg)(HWND hWndParent, const CHAR* pszTitle) = 0;
    VOKRANT_SAPI_METHOD(GeneralDlg)(HWND hWndParent, const CHAR* pszTitle) = 0;
    VOKRANT_SAPI_METHOD(TranslateDlg)(HWND hWndParent, const CHAR* pszTitle) = 0;
};

// The lexicon interfaces differ between the forms only in their string type.
template <typename Ch>
class ILexPronounceT : public IUnknown {
public:
    VOKRANT_SAPI_METHOD(Add)
    (VOICECHARSET charset, const Ch* text, const Ch* pronunciation, VOICEPARTOFSPEECH partOfSpeech,
     void* engineInfo, DWORD engineInfoSize) = 0;
    VOKRANT_SAPI_METHOD(Get)
    (VOICECHARSET charset, const Ch* text, WORD sense, Ch* pronunciation, DWORD pronunciationSize,
     DWORD* pronunciationNeeded, VOICEPARTOFSPEECH* partOfSpeech, void* engineInfo,
     DWORD engineInfoSize, DWORD* engineInfoNeeded) = 0;
    VOKRANT_SAPI_METHOD(Remove)(const Ch* text, WORD sense) = 0;
};

template <typename Ch>
class ILexPronounce2T : public ILexPronounceT<Ch> {
public:
    VOKRANT_SAPI_METHOD(AddTo)
    (DWORD lexicon, VOICECHARSET charset, const Ch* text, const Ch* pronunciation,
     VOICEPARTOFSPEECH partOfSpeech, void* engineInfo, DWORD engineInfoSize) = 0;
    VOKRANT_SAPI_METHOD(GetFrom)
    (DWORD lexicon, VOICECHARSET charset, const Ch* text, WORD sense, Ch* pronunciation,
     DWORD pronunciationSize, DWORD* pronunciationNeeded, VOICEPARTOFSPEECH* partOfSpeech,
     void* engineInfo, DWORD engineInfoSize, DWORD* engineInfoNeeded) = 0;
    VOKRANT_SAPI_METHOD(RemoveFrom)(DWORD lexicon, const Ch* text, WORD sense) = 0;
    VOKRANT_SAPI_METHOD(QueryLexicons)(BOOL fAvailable, DWORD* pdwLexicons) = 0;
    VOKRANT_SAPI_METHOD(ChangeSpelling)(DWORD lexicon, const Ch* from, const Ch* to) = 0;
};

using ILexPronounceW = ILexPronounceT<WCHAR>;
using ILexPronounceA = ILexPronounceT<CHAR>;
using ILexPronounce2W = ILexPronounce2T<WCHAR>;
using ILexPronounce2A = ILexPronounce2T<CHAR>;

template <typename Ch>
class IAttributesT : public IUnknown {
public:
    VOKRANT_SAPI_METHOD(DWORDGet)(DWORD attribute, DWORD* value) = 0;
    VOKRANT_SAPI_METHOD(DWORDSet)(DWORD attribute, DWORD value) = 0;
    VOKRANT_SAPI_METHOD(StringGet)(DWORD attribute, Ch* buffer, DWORD size, DWORD* needed) = 0;
    VOKRANT_SAPI_METHOD(StringSet)(DWORD attribute, const Ch* value) = 0;
    VOKRANT_SAPI_METHOD(MemoryGet)(DWORD attribute, void** data, DWORD* size) = 0;
    VOKRANT_SAPI_METHOD(MemorySet)(DWORD attribute, void* data, DWORD size) = 0;
};

using IAttributesW = IAttributesT<WCHAR>;
using IAttributesA = IAttributesT<CHAR>;

// ---- Engine enumerator ---------------------------------------------------------

class ITTSEnumW : public IUnknown {
public:
    VOKRANT_SAPI_METHOD(Next)(ULONG celt, TTSMODEINFOW* rgelt, ULONG* pceltFetched) = 0;
    VOKRANT_SAPI_METHOD(Skip)(ULONG celt) = 0;
    VOKRANT_SAPI_METHOD(Reset)() = 0;
    VOKRANT_SAPI_METHOD(Clone)(ITTSEnumW** ppenum) = 0;
    VOKRANT_SAPI_METHOD(Select)
    (GUID gModeID, ITTSCentralW** ppiTTSCentral, IUnknown* pIUnknownForAudio) = 0;
};

class ITTSEnumA : public IUnknown {
public:
    VOKRANT_SAPI_METHOD(Next)(ULONG celt, TTSMODEINFOA* rgelt, ULONG* pceltFetched) = 0;
    VOKRANT_SAPI_METHOD(Skip)(ULONG celt) = 0;
    VOKRANT_SAPI_METHOD(Reset)() = 0;
    VOKRANT_SAPI_METHOD(Clone)(ITTSEnumA** ppenum) = 0;
    VOKRANT_SAPI_METHOD(Select)
    (GUID gModeID, ITTSCentralA** ppiTTSCentral, IUnknown* pIUnknownForAudio) = 0;
};

// ---- Sinks the application implements --------------------------------------
// The caller ignores what these return.

template <typename Ch>
class ITTSNotifySinkT : public IUnknown {
public:
    VOKRANT_SAPI_METHOD(AttribChanged)(DWORD dwAttribute) = 0;
    VOKRANT_SAPI_METHOD(AudioStart)(QWORD qTimeStamp) = 0;
    VOKRANT_SAPI_METHOD(AudioStop)(QWORD qTimeStamp) = 0;
    VOKRANT_SAPI_METHOD(Visual)
    (QWORD qTimeStamp, Ch cIPAPhoneme, Ch cEnginePhoneme, DWORD dwHints, TTSMOUTH* pTTSMouth) = 0;
};

using ITTSNotifySinkW = ITTSNotifySinkT<WCHAR>;
using ITTSNotifySinkA = ITTSNotifySinkT<CHAR>;

class ITTSBufNotifySink : public IUnknown {
public:
    VOKRANT_SAPI_METHOD(TextDataDone)(QWORD qTimeStamp, DWORD dwFlags) = 0;
    VOKRANT_SAPI_METHOD(TextDataStarted)(QWORD qTimeStamp) = 0;
    VOKRANT_SAPI_METHOD(BookMark)(QWORD qTimeStamp, DWORD dwMarkNum) = 0;
    VOKRANT_SAPI_METHOD(WordPosition)(QWORD qTimeStamp, DWORD dwByteOffset) = 0;
};
using ITTSBufNotifySinkW = ITTSBufNotifySink;
using ITTSBufNotifySinkA = ITTSBufNotifySink;

// ---- Audio objects (host side) -------------------------------------------------

// Positions and totals are byte counts of everything that ever passed
// through the object; they never decrease.
class IAudio : public IUnknown {
public:
    VOKRANT_SAPI_METHOD(Flush)() = 0;
    VOKRANT_SAPI_METHOD(LevelGet)(DWORD* pdwLevel) = 0;
    VOKRANT_SAPI_METHOD(LevelSet)(DWORD dwLevel) = 0;
    VOKRANT_SAPI_METHOD(PassNotify)(void* pNotifyInterface, IID IIDNotifyInterface) = 0;
    VOKRANT_SAPI_METHOD(PosnGet)(QWORD* pqwPosn) = 0;
    VOKRANT_SAPI_METHOD(Claim)() = 0;
    VOKRANT_SAPI_METHOD(UnClaim)() = 0;
    VOKRANT_SAPI_METHOD(Start)() = 0;
    VOKRANT_SAPI_METHOD(Stop)() = 0;
    VOKRANT_SAPI_METHOD(TotalGet)(QWORD* pqwTotal) = 0;
    VOKRANT_SAPI_METHOD(ToFileTime)(QWORD* pqwPosn, FILETIME* pFT) = 0;
    VOKRANT_SAPI_METHOD(WaveFormatGet)(SDATA* pdWFEX) = 0;
    VOKRANT_SAPI_METHOD(WaveFormatSet)(SDATA dWFEX) = 0;
};

class IAudioDest : public IUnknown {
public:
    VOKRANT_SAPI_METHOD(FreeSpace)(DWORD* pdwBytes, BOOL* pfEOF) = 0;
    VOKRANT_SAPI_METHOD(DataSet)(void* pBuffer, DWORD dwSize) = 0;
    VOKRANT_SAPI_METHOD(BookMark)(DWORD dwMarkID) = 0;
};

// The engine implements this; the audio object calls it.
class IAudioDestNotifySink : public IUnknown {
public:
    VOKRANT_SAPI_METHOD(AudioStop)(WORD wReason) = 0;
    VOKRANT_SAPI_METHOD(AudioStart)() = 0;
    VOKRANT_SAPI_METHOD(FreeSpace)(DWORD dwBytes, BOOL fEOF) = 0;
    VOKRANT_SAPI_METHOD(BookMark)(DWORD dwMarkID, BOOL fFlush) = 0;
};

class IAudioMultiMediaDevice : public IUnknown {
public:
    VOKRANT_SAPI_METHOD(CustomMessage)(UINT uMsg, SDATA dData) = 0;
    VOKRANT_SAPI_METHOD(DeviceNumGet)(DWORD* pdwDeviceID) = 0;
    VOKRANT_SAPI_METHOD(DeviceNumSet)(DWORD dwDeviceID) = 0;
};

class IAudioFileNotifySink : public IUnknown {
public:
    VOKRANT_SAPI_METHOD(FileBegin)(DWORD dwID) = 0;
    VOKRANT_SAPI_METHOD(FileEnd)(DWORD dwID) = 0;
    VOKRANT_SAPI_METHOD(QueueEmpty)() = 0;
    VOKRANT_SAPI_METHOD(Posn)(QWORD qwPosn1, QWORD qwPosn2) = 0;
};

// Strings are always wide here; the interface has no ANSI form.
class IAudioFile : public IUnknown {
public:
    VOKRANT_SAPI_METHOD(Register)(IAudioFileNotifySink* pNotifySink) = 0;
    VOKRANT_SAPI_METHOD(Set)(const WCHAR* pszFile, DWORD dwID) = 0;
    VOKRANT_SAPI_METHOD(Add)(const WCHAR* pszFile, DWORD dwID) = 0;
    VOKRANT_SAPI_METHOD(Flush)() = 0;
    VOKRANT_SAPI_METHOD(RealTimeSet)(WORD wTime) = 0;
    VOKRANT_SAPI_METHOD(RealTimeGet)(WORD* pwTime) = 0;
};

#undef VOKRANT_SAPI_METHOD
