// The mode object through the component's exports: selection, text queue,
// pause/resume/reset, sink registration, attributes and injected tags.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mode_object_fixture.h"

namespace {

TEST_F(ModeObjectTest, OffersItsInterfacesAndDescribesItsMode) {
    const IID offered[] = {IID_IUnknown,       IID_ITTSCentralA,    IID_ITTSAttributesA,
                           IID_ITTSDialogsW,   IID_ITTSDialogsA,    IID_ILexPronounceW,
                           IID_ILexPronounceA, IID_ILexPronounce2W, IID_ILexPronounce2A,
                           IID_IAttributesW,   IID_IAttributesA};
    for (const IID& iid : offered) {
        void* p = nullptr;
        ASSERT_EQ(central->QueryInterface(iid, &p), S_OK) << GuidToString(iid);
        static_cast<IUnknown*>(p)->Release();
    }
    void* p = nullptr;
    EXPECT_EQ(central->QueryInterface(IID_ITTSEnumW, &p), E_NOINTERFACE);
    EXPECT_EQ(p, nullptr);
    TTSMODEINFOW info;
    ASSERT_EQ(central->ModeGet(&info), S_OK);
    EXPECT_EQ(info.gModeID, MODEID_VokrantNeutral);
    EXPECT_EQ(std::u16string(info.szSpeaker), u"Borvan");
    EXPECT_EQ(central->ModeGet(nullptr), E_INVALIDARG);
    EXPECT_EQ(dest->Format().nSamplesPerSec, 22050u);
    EXPECT_EQ(dest->Format().wBitsPerSample, 16);
    EXPECT_EQ(host.canUnloadNow(), S_FALSE);
}

TEST_F(ModeObjectTest, RefusedRequestsQueueNothing) {
    RecordingBufSink sink;
    EXPECT_EQ(Speak(u"Ala", &sink, CHARSET_IPAPHONETIC), TTSERR_INVALIDCHAR);
    SDATA data{const_cast<char16_t*>(u"x"), 4};
    EXPECT_EQ(central->TextData(CHARSET_TEXT, 0, data, &sink, IID_ITTSNotifySinkW), E_NOINTERFACE);
    EXPECT_EQ(central->TextData(CHARSET_TEXT, 0, SDATA{nullptr, 4}, nullptr, IID_ITTSBufNotifySink),
              E_INVALIDARG);
    dest->PlayAll();
    EXPECT_TRUE(sink.events.empty());
    EXPECT_EQ(sink.refs, 0u);
    EXPECT_EQ(central->UnRegister(key + 1000), TTSERR_INVALIDKEY);
    DWORD other = 0;
    EXPECT_EQ(central->Register(&notify, IID_ITTSBufNotifySink, &other), E_NOINTERFACE);
    EXPECT_EQ(central->Register(nullptr, IID_ITTSNotifySinkW, &other), E_INVALIDARG);
    EXPECT_EQ(central->Phoneme(CHARSET_TEXT, 0, SDATA{}, nullptr), E_NOTIMPL);
    EXPECT_EQ(central->PosnGet(nullptr), E_INVALIDARG);
}

TEST_F(ModeObjectTest, RegistrationKeysAreNewEveryTime) {
    RecordingNotifySink<CHAR> ansi;
    DWORD second = 0;
    ASSERT_EQ(central->Register(&ansi, IID_ITTSNotifySinkA, &second), S_OK);
    EXPECT_GT(second, key);
    EXPECT_EQ(ansi.refs, 1u);
    EXPECT_EQ(central->UnRegister(second), S_OK);
    EXPECT_EQ(ansi.refs, 0u);
    EXPECT_EQ(central->UnRegister(second), TTSERR_INVALIDKEY);
}

TEST_F(ModeObjectTest, ATextIsStartedAndDoneOnceTheDestinationHasPlayedIt) {
    RecordingBufSink first, second;
    bool allPlayedAtDone = false;
    first.onDone = [&] { allPlayedAtDone = dest->Played() == dest->Total(); };
    ASSERT_EQ(Speak(u"Ala ma kota.", &first), S_OK);
    ASSERT_EQ(Speak(u"Drugi tekst.", &second), S_OK);
    PlayUntilDone(first);
    ASSERT_FALSE(first.events.empty());
    EXPECT_EQ(first.events.front(), "started");
    EXPECT_EQ(first.events.back(), "done 0");
    EXPECT_EQ(first.refs, 0u) << "the sink is released when its text is done";
    // The next text starts producing right after this one is done, so the
    // check is made inside the notification.
    EXPECT_TRUE(allPlayedAtDone) << "done only after everything played";
    PlayUntilDone(second);
    EXPECT_EQ(second.events.back(), "done 0");
    dest->PlayAll();
    EXPECT_FALSE(dest->IsClaimed()) << "the device is released after the last text";
}

TEST_F(ModeObjectTest, ResetAbortsEveryQueuedTextInOrder) {
    ASSERT_EQ(central->AudioPause(), S_OK);
    EXPECT_EQ(central->AudioPause(), TTSERR_ALREADYPAUSED);
    std::vector<std::string> order;
    RecordingBufSink sinks[3];
    for (auto& s : sinks) ASSERT_EQ(Speak(u"Tekst w kolejce.", &s), S_OK);
    EXPECT_FALSE(dest->IsClaimed()) << "queued while paused: the device stays free";
    ASSERT_EQ(central->AudioReset(), S_OK);
    for (auto& s : sinks) {
        EXPECT_EQ(s.events, std::vector<std::string>{"done 1"});
        EXPECT_EQ(s.refs, 0u);
    }
    EXPECT_EQ(central->AudioResume(), TTSERR_NOTPAUSED);
}

TEST_F(ModeObjectTest, ResumeSpeaksWhatWasQueuedWhilePaused) {
    ASSERT_EQ(central->AudioPause(), S_OK);
    RecordingBufSink sink;
    ASSERT_EQ(Speak(u"Po pauzie.", &sink), S_OK);
    dest->PlayAll();
    EXPECT_TRUE(sink.events.empty());
    ASSERT_EQ(central->AudioResume(), S_OK);
    EXPECT_TRUE(dest->IsClaimed());
    PlayUntilDone(sink);
    EXPECT_EQ(sink.events.front(), "started");
    EXPECT_EQ(sink.events.back(), "done 0");
}

TEST_F(ModeObjectTest, AttributeRangesAreExact) {
    struct PitchCase {
        WORD set;
        HRESULT result;
        WORD pitch;
    };
    const PitchCase pitches[] = {{0, S_OK, 80},          {79, E_UNEXPECTED, 0},
                                 {80, S_OK, 80},         {400, S_OK, 400},
                                 {401, E_UNEXPECTED, 0}, {0xFFFE, E_UNEXPECTED, 0},
                                 {0xFFFF, S_OK, 400},    {1, E_UNEXPECTED, 0}};
    for (const PitchCase& c : pitches) {
        attributes->PitchSet(160);
        EXPECT_EQ(attributes->PitchSet(c.set), c.result) << c.set;
        WORD pitch = 0;
        attributes->PitchGet(&pitch);
        EXPECT_EQ(pitch, c.result == S_OK ? c.pitch : 160) << c.set;
    }
    struct SpeedCase {
        DWORD set;
        HRESULT result;
        DWORD speed;
    };
    const SpeedCase speeds[] = {{0, S_OK, 40},          {39, E_UNEXPECTED, 0},
                                {40, S_OK, 40},         {200, S_OK, 200},
                                {201, E_UNEXPECTED, 0}, {0xFFFFFFFE, E_UNEXPECTED, 0},
                                {0xFFFFFFFF, S_OK, 200}};
    for (const SpeedCase& c : speeds) {
        attributes->SpeedSet(80);
        EXPECT_EQ(attributes->SpeedSet(c.set), c.result) << c.set;
        DWORD speed = 0;
        WORD pitch = 0;
        attributes->SpeedGet(&speed);
        attributes->PitchGet(&pitch);
        EXPECT_EQ(speed, c.result == S_OK ? c.speed : 80) << c.set;
        EXPECT_EQ(pitch, 2 * speed);
    }
    for (DWORD refused : {1u, 4u, 100u, 0xFFFFFFFEu})
        EXPECT_EQ(attributes->RealTimeSet(refused), E_UNEXPECTED);
    EXPECT_EQ(attributes->PitchGet(nullptr), E_INVALIDARG);
    EXPECT_EQ(attributes->SpeedGet(nullptr), E_INVALIDARG);
    EXPECT_EQ(attributes->VolumeGet(nullptr), E_INVALIDARG);
    EXPECT_EQ(attributes->RealTimeGet(nullptr), E_INVALIDARG);
}

TEST_F(ModeObjectTest, SettingPitchOrSpeedAnnouncesBoth) {
    ASSERT_EQ(attributes->PitchSet(0), S_OK);
    EXPECT_EQ(notify.attributes, (std::vector<DWORD>{TTSNSAC_SPEED, TTSNSAC_PITCH}));
    notify.attributes.clear();
    ASSERT_EQ(attributes->SpeedSet(0xFFFFFFFF), S_OK);
    EXPECT_EQ(notify.attributes, (std::vector<DWORD>{TTSNSAC_PITCH, TTSNSAC_SPEED}));
    notify.attributes.clear();
    EXPECT_EQ(attributes->PitchSet(50), E_UNEXPECTED);
    EXPECT_TRUE(notify.attributes.empty());
}

TEST_F(ModeObjectTest, VolumeIsDoubledIntoBothChannels) {
    const std::pair<DWORD, DWORD> cases[] = {
        {0x1234, 0x12341234}, {0x00FF1234, 0x00FF1234}, {0, 0}, {0xFFFF, 0xFFFFFFFF}};
    for (const auto& [set, got] : cases) {
        ASSERT_EQ(attributes->VolumeSet(set), S_OK);
        DWORD volume = 0;
        attributes->VolumeGet(&volume);
        EXPECT_EQ(volume, got) << std::hex << set;
    }
    EXPECT_EQ(notify.attributes.back(), TTSNSAC_VOLUME);
}

TEST_F(ModeObjectTest, InjectedTagsApplyAtOnce) {
    ASSERT_EQ(central->Inject(u"\\Spd=120\\\\Vol=30000\\"), S_OK);
    DWORD speed = 0, volume = 0;
    attributes->SpeedGet(&speed);
    attributes->VolumeGet(&volume);
    EXPECT_EQ(speed, 120u);
    EXPECT_EQ(volume, 30000u | (30000u << 16));
    EXPECT_EQ(central->Inject(u"\\Spd=0\\"), S_OK);
    attributes->SpeedGet(&speed);
    EXPECT_EQ(speed, 120u) << "a zero value changes nothing";
    EXPECT_EQ(central->Inject(u"\\spd=999\\"), S_OK);
    attributes->SpeedGet(&speed);
    EXPECT_EQ(speed, 200u) << "clamped, matched without regard to case";
    EXPECT_EQ(central->Inject(u"\\Mrk=5\\"), E_INVALIDARG);
    EXPECT_EQ(central->Inject(u"\\Rst=1\\"), TTSERR_INVALIDCHAR);
    EXPECT_EQ(central->Inject(u"\\Rst\\"), S_OK);
    attributes->SpeedGet(&speed);
    EXPECT_EQ(speed, 80u);
    EXPECT_EQ(central->Inject(u"no tag here"), S_OK);
    EXPECT_EQ(central->Inject(nullptr), E_INVALIDARG);
}

TEST_F(ModeObjectTest, DialogsLexiconAndGenericAttributes) {
    void* p = nullptr;
    ASSERT_EQ(central->QueryInterface(IID_ITTSDialogsW, &p), S_OK);
    auto* dialogs = static_cast<ITTSDialogsW*>(p);
    EXPECT_EQ(dialogs->GeneralDlg(nullptr, nullptr), S_OK);
    EXPECT_EQ(dialogs->AboutDlg(nullptr, u"Tytu\u0142"), S_OK);
    dialogs->Release();
    ASSERT_EQ(central->QueryInterface(IID_ILexPronounce2A, &p), S_OK);
    auto* lexicon = static_cast<ILexPronounce2A*>(p);
    EXPECT_EQ(lexicon->Remove("kot", 0), E_NOTIMPL);
    EXPECT_EQ(lexicon->QueryLexicons(TRUE, nullptr), E_NOTIMPL);
    lexicon->Release();
    ASSERT_EQ(central->QueryInterface(IID_IAttributesW, &p), S_OK);
    auto* generic = static_cast<IAttributesW*>(p);
    DWORD value = 0;
    EXPECT_EQ(generic->DWORDGet(TTSATTR_SPEED, &value), E_INVALIDARG);
    generic->Release();
}

}  // namespace
