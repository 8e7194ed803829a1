// The component through its exports: class objects, the engine enumerator's
// two faces, mode selection errors, locks and the unload decision.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "component_host.h"
#include "platform/codepage.h"
#include "sapi/audio/simulated_audio_dest.h"
#include "sapi/engine_ids.h"

namespace {

class EnumerationTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(host.Loaded()) << dlerror(); }
    void TearDown() override {
        EXPECT_EQ(host.canUnloadNow(), S_OK) << "an object or lock outlived its test";
    }

    ITTSEnumW* NewEnum() { return host.CreateEnum<ITTSEnumW>(CLSID_VokrantEngine, IID_ITTSEnumW); }

    ComponentHost host;
};

std::u16string Field(const WCHAR* text) {
    return std::u16string(text);
}

TEST_F(EnumerationTest, ClassObjectRefusesOtherClassesAndInterfaces) {
    void* p = reinterpret_cast<void*>(1);
    EXPECT_EQ(host.getClassObject(CLSID_TTSEnumerator, IID_IClassFactory, &p), E_FAIL);
    EXPECT_EQ(p, nullptr);
    EXPECT_EQ(host.getClassObject(CLSID_VokrantEngine, IID_ITTSEnumW, &p), E_NOINTERFACE);
    EXPECT_EQ(host.getClassObject(CLSID_VokrantEngine, IID_IClassFactory, nullptr), E_INVALIDARG);
    ASSERT_EQ(host.getClassObject(CLSID_VokrantEngine, IID_IUnknown, &p), S_OK);
    static_cast<IUnknown*>(p)->Release();
}

TEST_F(EnumerationTest, FactoryRefusesAggregationAndUnknownInterfaces) {
    IClassFactory* factory = host.Factory(CLSID_VokrantEngine);
    ASSERT_NE(factory, nullptr);
    void* p = nullptr;
    EXPECT_EQ(factory->CreateInstance(reinterpret_cast<IUnknown*>(factory), IID_ITTSEnumW, &p),
              CLASS_E_NOAGGREGATION);
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_ITTSCentralW, &p), E_NOINTERFACE);
    EXPECT_EQ(p, nullptr);
    EXPECT_EQ(host.canUnloadNow(), S_OK) << "a refused enumerator must not stay counted";
    for (const IID& iid : {IID_IUnknown, IID_ITTSEnumW, IID_ITTSEnumA}) {
        ASSERT_EQ(factory->CreateInstance(nullptr, iid, &p), S_OK);
        EXPECT_EQ(host.canUnloadNow(), S_FALSE);
        static_cast<IUnknown*>(p)->Release();
    }
    factory->Release();
}

TEST_F(EnumerationTest, NextDescribesTheOneVoiceThenNothing) {
    ITTSEnumW* e = NewEnum();
    ASSERT_NE(e, nullptr);
    std::vector<TTSMODEINFOW> modes(5);
    ULONG fetched = 99;
    EXPECT_EQ(e->Next(5, modes.data(), &fetched), S_FALSE);
    EXPECT_EQ(fetched, 1u);
    const TTSMODEINFOW& m = modes[0];
    EXPECT_EQ(m.gEngineID, CLSID_VokrantEngine);
    EXPECT_EQ(m.gModeID, MODEID_VokrantNeutral);
    EXPECT_EQ(Field(m.szMfgName), u"Dravenlab");
    EXPECT_EQ(Field(m.szProductName), u"Vokrant - syntezer mowy");
    EXPECT_EQ(Field(m.szModeName), u"Dravenlab Vokrant - neutralny");
    EXPECT_EQ(Field(m.szSpeaker), u"Borvan");
    EXPECT_EQ(Field(m.szStyle), u"Komputerowy");
    EXPECT_EQ(m.language.LanguageID, 1045);
    EXPECT_EQ(m.language.szDialect[0], 0);
    EXPECT_EQ(m.wGender, GENDER_MALE);
    EXPECT_EQ(m.wAge, 30);
    EXPECT_EQ(m.dwFeatures, 0x41DFu);
    EXPECT_EQ(m.dwInterfaces, 0x3Fu);
    EXPECT_EQ(m.dwEngineFeatures, 0u);

    std::memset(static_cast<void*>(modes.data()), 0xAB, modes.size() * sizeof(TTSMODEINFOW));
    EXPECT_EQ(e->Next(5, modes.data(), &fetched), S_FALSE);
    EXPECT_EQ(fetched, 0u);
    const auto* bytes = reinterpret_cast<const unsigned char*>(modes.data());
    for (std::size_t i = 0; i < modes.size() * sizeof(TTSMODEINFOW); ++i)
        ASSERT_EQ(bytes[i], 0) << "byte " << i << " of an exhausted Next must be zeroed";

    EXPECT_EQ(e->Reset(), S_OK);
    EXPECT_EQ(e->Next(1, modes.data(), nullptr), S_OK) << "one entry needs no fetched count";
    EXPECT_EQ(e->Next(2, modes.data(), nullptr), E_INVALIDARG);
    EXPECT_EQ(e->Next(1, nullptr, &fetched), E_INVALIDARG);
    e->Release();
}

TEST_F(EnumerationTest, SkipStopsAtTheEnd) {
    struct Case {
        ULONG start, skip;
        HRESULT result;
        ULONG fetchedAfter;  // what Next(1) fetches afterwards
    };
    const Case cases[] = {
        {0, 0, S_OK, 1},
        {0, 1, S_OK, 0},
        {0, 2, S_FALSE, 0},
        {1, 1, S_FALSE, 0},
        {1, 0, S_OK, 0},
        {0, 0xFFFFFFFF, S_FALSE, 0},
        {1, 0xFFFFFFFF, S_FALSE, 0},
    };
    ITTSEnumW* e = NewEnum();
    ASSERT_NE(e, nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "from " << c.start << " skip " << c.skip);
        e->Reset();
        if (c.start == 1) e->Skip(1);
        EXPECT_EQ(e->Skip(c.skip), c.result);
        TTSMODEINFOW mode;
        ULONG fetched = 7;
        e->Next(1, &mode, &fetched);
        EXPECT_EQ(fetched, c.fetchedAfter);
    }
    e->Release();
}

TEST_F(EnumerationTest, CloneCopiesThePositionAndCountsAsALiveObject) {
    ITTSEnumW* e = NewEnum();
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->Clone(nullptr), E_INVALIDARG);
    for (ULONG position : {0u, 1u}) {
        e->Reset();
        e->Skip(position);
        ITTSEnumW* copy = nullptr;
        ASSERT_EQ(e->Clone(&copy), S_OK);
        e->Release();  // the clone lives on its own
        TTSMODEINFOW mode;
        ULONG fetched = 7;
        copy->Next(1, &mode, &fetched);
        EXPECT_EQ(fetched, 1 - position);
        EXPECT_EQ(host.canUnloadNow(), S_FALSE);
        e = copy;
    }
    e->Release();
}

TEST_F(EnumerationTest, AnsiFaceConvertsTheDescription) {
    ITTSEnumA* e = host.CreateEnum<ITTSEnumA>(CLSID_VokrantEngine, IID_ITTSEnumA);
    ASSERT_NE(e, nullptr);
    std::vector<TTSMODEINFOA> modes(3);
    ULONG fetched = 0;
    EXPECT_EQ(e->Next(3, modes.data(), &fetched), S_FALSE);
    ASSERT_EQ(fetched, 1u);
    EXPECT_STREQ(modes[0].szModeName, "Dravenlab Vokrant - neutralny");
    EXPECT_STREQ(modes[0].szSpeaker, "Borvan");
    EXPECT_EQ(modes[0].gModeID, MODEID_VokrantNeutral);
    EXPECT_EQ(modes[0].language.LanguageID, 1045);
    EXPECT_EQ(modes[0].dwFeatures, 0x41DFu);
    EXPECT_EQ(e->Next(2, modes.data(), nullptr), E_INVALIDARG);
    // A huge count must not make the component allocate for it: only one
    // entry can ever be written.
    e->Reset();
    EXPECT_EQ(e->Next(0x7FFFFFFF, modes.data(), &fetched), S_FALSE);
    EXPECT_EQ(fetched, 1u);

    ITTSEnumA* copy = nullptr;
    ASSERT_EQ(e->Clone(&copy), S_OK);
    void* unicode = nullptr;
    EXPECT_EQ(copy->QueryInterface(IID_ITTSEnumW, &unicode), S_OK);
    static_cast<IUnknown*>(unicode)->Release();
    copy->Release();
    e->Release();
}

TEST_F(EnumerationTest, SelectRefusesBadArgumentsAndCreatesNothing) {
    ITTSEnumW* e = NewEnum();
    ASSERT_NE(e, nullptr);
    CSimulatedAudioDest* dest = CSimulatedAudioDest::Create(65536);
    ITTSCentralW* central = reinterpret_cast<ITTSCentralW*>(1);
    const GUID unknownMode = CLSID_VokrantEngine;
    EXPECT_EQ(e->Select(unknownMode, &central, static_cast<IAudio*>(dest)), TTSERR_INVALIDMODE);
    EXPECT_EQ(central, nullptr);
    EXPECT_EQ(e->Select(MODEID_VokrantNeutral, nullptr, static_cast<IAudio*>(dest)), E_INVALIDARG);
    EXPECT_EQ(e->Select(MODEID_VokrantNeutral, &central, nullptr), E_INVALIDARG);
    e->Release();
    EXPECT_EQ(host.canUnloadNow(), S_OK);
    EXPECT_EQ(dest->Release(), 0u) << "a refused Select must not keep the audio object";
}

TEST_F(EnumerationTest, LockServerKeepsTheModuleLoaded) {
    IClassFactory* factory = host.Factory(CLSID_VokrantEngine);
    ASSERT_NE(factory, nullptr);
    EXPECT_EQ(factory->LockServer(FALSE), E_FAIL);
    EXPECT_EQ(factory->LockServer(TRUE), S_OK);
    EXPECT_EQ(factory->LockServer(TRUE), S_OK);
    factory->Release();
    EXPECT_EQ(host.canUnloadNow(), S_FALSE);
    factory = host.Factory(CLSID_VokrantEngine);
    EXPECT_EQ(factory->LockServer(FALSE), S_OK);
    EXPECT_EQ(host.canUnloadNow(), S_FALSE);
    EXPECT_EQ(factory->LockServer(FALSE), S_OK);
    EXPECT_EQ(factory->LockServer(FALSE), E_FAIL);
    factory->Release();
}

}  // namespace
