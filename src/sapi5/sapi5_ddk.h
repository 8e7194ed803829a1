// The engine side of SAPI 5 that mingw-w64 does not ship (it has no
// sapiddk.h): the engine and site interfaces, the text fragment, the site's
// action flags, and the few GUIDs and codes its headers declare but never
// define. The rest (SPVSTATE, SPEVENT, ISpEventSink, ISpObjectWithToken,
// the token interfaces, SPFEI) comes from the system's sapi.h.
// abi_checks.cpp pins the layout on both widths.
#pragma once

// The system's COM, with the macros that clash with engine names removed.
#include "sapi/com.h"

#include <mmreg.h>
#include <objbase.h>
#include <sapi.h>

// What the site asks of the engine between writes (GetActions).
enum SPVESACTIONS : DWORD {
    SPVES_CONTINUE = 0,
    SPVES_ABORT = 1 << 0,
    SPVES_SKIP = 1 << 1,
    SPVES_RATE = 1 << 2,
    SPVES_VOLUME = 1 << 3,
};

enum SPVSKIPTYPE { SPVST_SENTENCE = 1 << 0 };

// One piece of the text handed to Speak, in a list; ulTextSrcOffset is where
// pTextStart lies in the string the application spoke (markup included).
struct SPVTEXTFRAG {
    SPVTEXTFRAG* pNext;
    SPVSTATE State;
    LPCWSTR pTextStart;
    ULONG ulTextLen;
    ULONG ulTextSrcOffset;
};

// {9880499B-CCE9-11D2-B503-00C04F797396}
struct ISpTTSEngineSite : public ISpEventSink {
    virtual DWORD STDMETHODCALLTYPE GetActions() = 0;
    virtual HRESULT STDMETHODCALLTYPE Write(const void* pBuff, ULONG cb, ULONG* pcbWritten) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetRate(LONG* pRateAdjust) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetVolume(USHORT* pusVolume) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetSkipInfo(SPVSKIPTYPE* peType, LONG* plNumItems) = 0;
    virtual HRESULT STDMETHODCALLTYPE CompleteSkip(LONG ulNumSkipped) = 0;
};

// {A74D7C8E-4CC5-4F2F-A6EB-804DEE18500E}
struct ISpTTSEngine : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Speak(DWORD dwSpeakFlags, REFGUID rguidFormatId,
                                            const WAVEFORMATEX* pWaveFormatEx,
                                            const SPVTEXTFRAG* pTextFragList,
                                            ISpTTSEngineSite* pOutputSite) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetOutputFormat(const GUID* pTargetFmtId,
                                                      const WAVEFORMATEX* pTargetWaveFormatEx,
                                                      GUID* pOutputFormatId,
                                                      WAVEFORMATEX** ppCoMemOutputWaveFormatEx) = 0;
};

inline constexpr IID kIID_ISpTTSEngine{
    0xA74D7C8E, 0x4CC5, 0x4F2F, {0xA6, 0xEB, 0x80, 0x4D, 0xEE, 0x18, 0x50, 0x0E}};
inline constexpr IID kIID_ISpTTSEngineSite{
    0x9880499B, 0xCCE9, 0x11D2, {0xB5, 0x03, 0x00, 0xC0, 0x4F, 0x79, 0x73, 0x96}};
inline constexpr IID kIID_ISpObjectWithToken{
    0x5B559F40, 0xE952, 0x11D2, {0xBB, 0x91, 0x00, 0xC0, 0x4F, 0x8E, 0xE6, 0xC0}};
inline constexpr GUID kSPDFID_WaveFormatEx{
    0xC31ADBAE, 0x527F, 0x4FF5, {0xA2, 0x30, 0xF6, 0x2B, 0xB6, 0x1F, 0xF7, 0x0C}};

// A Write after the application purged its output: a success code that ends speaking.
inline constexpr HRESULT kSP_AUDIO_STOPPED = 0x00045065;
inline constexpr HRESULT kSPERR_UNINITIALIZED = static_cast<HRESULT>(0x80045001);
