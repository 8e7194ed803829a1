// The test host's own copy of the SAPI 5 engine interfaces, written from the
// published interface description (vtable order, structure layout) and not
// from the voice's headers, so that a mistake on one side shows up as a
// failure instead of being shared. mingw's sapi.h gives SPVSTATE, SPEVENT,
// ISpEventSink, the token interfaces and SPFEI.
#pragma once

#include <windows.h>

#include <mmreg.h>
#include <objbase.h>
#include <sapi.h>

namespace host {

constexpr DWORD kActionContinue = 0, kActionAbort = 1, kActionSkip = 2, kActionRate = 4,
                kActionVolume = 8;
constexpr int kSkipSentence = 1;

struct TextFrag {
    TextFrag* pNext;
    SPVSTATE State;
    LPCWSTR pTextStart;
    ULONG ulTextLen;
    ULONG ulTextSrcOffset;
};
static_assert(sizeof(TextFrag) == (sizeof(void*) == 4 ? 68 : 96));

struct EngineSite : public ISpEventSink {
    virtual DWORD STDMETHODCALLTYPE GetActions() = 0;
    virtual HRESULT STDMETHODCALLTYPE Write(const void* pBuff, ULONG cb, ULONG* pcbWritten) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetRate(LONG* pRateAdjust) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetVolume(USHORT* pusVolume) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetSkipInfo(int* peType, LONG* plNumItems) = 0;
    virtual HRESULT STDMETHODCALLTYPE CompleteSkip(LONG ulNumSkipped) = 0;
};

struct TtsEngine : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE Speak(DWORD dwSpeakFlags, REFGUID rguidFormatId,
                                            const WAVEFORMATEX* pWaveFormatEx,
                                            const TextFrag* pTextFragList,
                                            EngineSite* pOutputSite) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetOutputFormat(const GUID* pTargetFmtId,
                                                      const WAVEFORMATEX* pTargetWaveFormatEx,
                                                      GUID* pOutputFormatId,
                                                      WAVEFORMATEX** ppCoMemOutputWaveFormatEx) = 0;
};

// {A74D7C8E-4CC5-4F2F-A6EB-804DEE18500E}
constexpr IID kIidTtsEngine{
    0xA74D7C8E, 0x4CC5, 0x4F2F, {0xA6, 0xEB, 0x80, 0x4D, 0xEE, 0x18, 0x50, 0x0E}};
// {9880499B-CCE9-11D2-B503-00C04F797396}
constexpr IID kIidEngineSite{
    0x9880499B, 0xCCE9, 0x11D2, {0xB5, 0x03, 0x00, 0xC0, 0x4F, 0x79, 0x73, 0x96}};
// {BE7A9CC9-5F9E-11D2-960F-00C04F8EE628}
constexpr IID kIidEventSink{
    0xBE7A9CC9, 0x5F9E, 0x11D2, {0x96, 0x0F, 0x00, 0xC0, 0x4F, 0x8E, 0xE6, 0x28}};
// {5B559F40-E952-11D2-BB91-00C04F8EE6C0}
constexpr IID kIidObjectWithToken{
    0x5B559F40, 0xE952, 0x11D2, {0xBB, 0x91, 0x00, 0xC0, 0x4F, 0x8E, 0xE6, 0xC0}};
// {C31ADBAE-527F-4FF5-A230-F62BB61FF70C}
constexpr GUID kFormatWaveEx{
    0xC31ADBAE, 0x527F, 0x4FF5, {0xA2, 0x30, 0xF6, 0x2B, 0xB6, 0x1F, 0xF7, 0x0C}};
// {7CEEF9F9-3D13-11D2-9EE7-00C04F797396}
constexpr GUID kFormatText{
    0x7CEEF9F9, 0x3D13, 0x11D2, {0x9E, 0xE7, 0x00, 0xC0, 0x4F, 0x79, 0x73, 0x96}};

constexpr HRESULT kAudioStopped = 0x00045065;

}  // namespace host
