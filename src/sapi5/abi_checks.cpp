// Compile-time checks of what a SAPI 5 host sees of the voice, on both
// widths: the 32-bit build cannot run on these machines, so its layout and
// calling convention are proved here.
#include <cstddef>
#include <type_traits>

#include "sapi5/sapi5_ddk.h"

namespace {

constexpr bool kIs32Bit = sizeof(void*) == 4;

static_assert(sizeof(SPVSTATE) == (kIs32Bit ? 52 : 72));
static_assert(sizeof(SPVTEXTFRAG) == (kIs32Bit ? 68 : 96));
static_assert(sizeof(SPEVENT) == (kIs32Bit ? 24 : 32));
static_assert(offsetof(SPVTEXTFRAG, State) == (kIs32Bit ? 4 : 8));
static_assert(offsetof(SPVTEXTFRAG, pTextStart) == (kIs32Bit ? 56 : 80));
static_assert(offsetof(SPVTEXTFRAG, ulTextSrcOffset) == (kIs32Bit ? 64 : 92));
static_assert(offsetof(SPVSTATE, RateAdj) == 12 && offsetof(SPVSTATE, Volume) == 16);
static_assert(offsetof(SPVSTATE, PitchAdj) == 20 && offsetof(SPVSTATE, SilenceMSecs) == 28);
static_assert(offsetof(SPEVENT, ullAudioStreamOffset) == 8 && offsetof(SPEVENT, wParam) == 16);
static_assert(sizeof(WAVEFORMATEX) == 18);

static_assert(std::is_base_of_v<ISpEventSink, ISpTTSEngineSite>);

// Every method has the system calling convention (__stdcall on x86).
#define VOKRANT_CHECK_METHOD(Iface, Method, Result, Params)                                  \
    static_assert(                                                                           \
        std::is_same_v<decltype(&Iface::Method), Result(STDMETHODCALLTYPE Iface::*) Params>, \
        #Iface "::" #Method)

VOKRANT_CHECK_METHOD(ISpTTSEngine, Speak, HRESULT,
                     (DWORD, REFGUID, const WAVEFORMATEX*, const SPVTEXTFRAG*, ISpTTSEngineSite*));
VOKRANT_CHECK_METHOD(ISpTTSEngine, GetOutputFormat, HRESULT,
                     (const GUID*, const WAVEFORMATEX*, GUID*, WAVEFORMATEX**));
VOKRANT_CHECK_METHOD(ISpTTSEngineSite, GetActions, DWORD, ());
VOKRANT_CHECK_METHOD(ISpTTSEngineSite, Write, HRESULT, (const void*, ULONG, ULONG*));
VOKRANT_CHECK_METHOD(ISpTTSEngineSite, GetRate, HRESULT, (LONG*));
VOKRANT_CHECK_METHOD(ISpTTSEngineSite, GetVolume, HRESULT, (USHORT*));
VOKRANT_CHECK_METHOD(ISpTTSEngineSite, GetSkipInfo, HRESULT, (SPVSKIPTYPE*, LONG*));
VOKRANT_CHECK_METHOD(ISpTTSEngineSite, CompleteSkip, HRESULT, (LONG));
VOKRANT_CHECK_METHOD(ISpEventSink, AddEvents, HRESULT, (const SPEVENT*, ULONG));
VOKRANT_CHECK_METHOD(ISpEventSink, GetEventInterest, HRESULT, (ULONGLONG*));
VOKRANT_CHECK_METHOD(ISpObjectWithToken, SetObjectToken, HRESULT, (ISpObjectToken*));
VOKRANT_CHECK_METHOD(ISpObjectWithToken, GetObjectToken, HRESULT, (ISpObjectToken**));
#undef VOKRANT_CHECK_METHOD

}  // namespace
