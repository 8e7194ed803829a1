// The objects a host receives are called through raw vtable slots, as a COM
// host compiled elsewhere would: each slot must hold the method the
// published interface puts there.
#include <gtest/gtest.h>

#include "component_host.h"
#include "sapi/audio/simulated_audio_dest.h"
#include "sapi/engine_ids.h"

namespace {

// The function in slot `slot` of a COM object's vtable.
template <typename Fn>
Fn Slot(void* object, int slot) {
    void** vtable = *static_cast<void***>(object);
    return reinterpret_cast<Fn>(vtable[slot]);
}

TEST(VtableLayoutTest, SlotsHoldThePublishedMethods) {
    ComponentHost host;
    ASSERT_TRUE(host.Loaded());
    ITTSEnumW* e = host.CreateEnum<ITTSEnumW>(CLSID_VokrantEngine, IID_ITTSEnumW);
    ASSERT_NE(e, nullptr);
    // ITTSEnum: 3 Next, 4 Skip, 5 Reset.
    EXPECT_EQ((Slot<HRESULT (*)(void*, ULONG)>(e, 4))(e, 2), S_FALSE);
    EXPECT_EQ((Slot<HRESULT (*)(void*)>(e, 5))(e), S_OK);
    TTSMODEINFOW mode;
    ULONG fetched = 0;
    EXPECT_EQ((Slot<HRESULT (*)(void*, ULONG, TTSMODEINFOW*, ULONG*)>(e, 3))(e, 1, &mode, &fetched),
              S_OK);
    EXPECT_EQ(fetched, 1u);

    CSimulatedAudioDest* dest = CSimulatedAudioDest::Create(8192);
    ITTSCentralW* central = nullptr;
    ASSERT_EQ(e->Select(mode.gModeID, &central, static_cast<IAudio*>(dest)), S_OK);
    e->Release();
    // ITTSCentral: 5 Phoneme, 9 AudioPause, 10 AudioResume, 13 UnRegister.
    SDATA none{};
    EXPECT_EQ((Slot<HRESULT (*)(void*, VOICECHARSET, DWORD, SDATA, SDATA*)>(central, 5))(
                  central, CHARSET_TEXT, 0, none, nullptr),
              E_NOTIMPL);
    EXPECT_EQ((Slot<HRESULT (*)(void*, DWORD)>(central, 13))(central, 0xDEAD), TTSERR_INVALIDKEY);
    EXPECT_EQ((Slot<HRESULT (*)(void*)>(central, 10))(central), TTSERR_NOTPAUSED);
    EXPECT_EQ((Slot<HRESULT (*)(void*)>(central, 9))(central), S_OK);
    EXPECT_EQ((Slot<HRESULT (*)(void*)>(central, 9))(central), TTSERR_ALREADYPAUSED);

    void* p = nullptr;
    ASSERT_EQ(central->QueryInterface(IID_ITTSAttributesW, &p), S_OK);
    // ITTSAttributes: 8 SpeedSet, 7 SpeedGet, 10 VolumeSet, 9 VolumeGet.
    EXPECT_EQ((Slot<HRESULT (*)(void*, DWORD)>(p, 8))(p, 150), S_OK);
    DWORD value = 0;
    EXPECT_EQ((Slot<HRESULT (*)(void*, DWORD*)>(p, 7))(p, &value), S_OK);
    EXPECT_EQ(value, 150u);
    EXPECT_EQ((Slot<HRESULT (*)(void*, DWORD)>(p, 10))(p, 0x10), S_OK);
    EXPECT_EQ((Slot<HRESULT (*)(void*, DWORD*)>(p, 9))(p, &value), S_OK);
    EXPECT_EQ(value, 0x100010u);
    // IUnknown::Release is slot 2.
    (Slot<ULONG (*)(void*)>(p, 2))(p);
    EXPECT_EQ(central->Release(), 0u);
    EXPECT_EQ(dest->Release(), 0u);
}

}  // namespace
