// Marks played by the destination reach the host as the right notification:
// word positions (ANSI requests in bytes of ANSI text, Unicode ones in bytes
// of UTF-16), bookmarks, attribute changes and mouth shapes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "component_host.h"
#include "recording_tts_sinks.h"
#include "sapi/audio/simulated_audio_dest.h"
#include "sapi/engine_ids.h"

namespace {

struct SelectedVoice {
    ComponentHost host;
    CSimulatedAudioDest* dest = nullptr;
    ITTSCentralW* central = nullptr;
};

// A destination too small to speak into keeps the text queued, so the test
// can play marks of its own choosing against it.
bool SelectWithTinyBuffer(SelectedVoice& s) {
    if (!s.host.Loaded()) return false;
    auto* e = s.host.CreateEnum<ITTSEnumW>(CLSID_VokrantEngine, IID_ITTSEnumW);
    s.dest = CSimulatedAudioDest::Create(100);
    HRESULT hr = e->Select(MODEID_VokrantNeutral, &s.central, static_cast<IAudio*>(s.dest));
    e->Release();
    return hr == S_OK;
}

TEST(MarkDecodingTest, WordPositionsFollowTheFormOfTheRequest) {
    for (bool ansi : {false, true}) {
        SCOPED_TRACE(ansi ? "ANSI request" : "Unicode request");
        SelectedVoice s;
        ASSERT_TRUE(SelectWithTinyBuffer(s));
        RecordingBufSink sink;
        if (ansi) {
            void* p = nullptr;
            ASSERT_EQ(s.central->QueryInterface(IID_ITTSCentralA, &p), S_OK);
            auto* centralA = static_cast<ITTSCentralA*>(p);
            char text[] = "Ala ma kota";
            ASSERT_EQ(centralA->TextData(CHARSET_TEXT, 0, SDATA{text, sizeof text}, &sink,
                                         IID_ITTSBufNotifySink),
                      S_OK);
            centralA->Release();
        } else {
            std::u16string text = u"Ala ma kota";
            SDATA data{text.data(), static_cast<DWORD>((text.size() + 1) * 2)};
            ASSERT_EQ(s.central->TextData(CHARSET_TEXT, 0, data, &sink, IID_ITTSBufNotifySink),
                      S_OK);
        }
        for (DWORD offset : {0u, 4u, 7u}) s.dest->BookMark(0x50000 + offset);
        s.dest->PlayAll();
        std::vector<DWORD> expected =
            ansi ? std::vector<DWORD>{0, 4, 7} : std::vector<DWORD>{0, 8, 14};
        EXPECT_EQ(sink.wordOffsets, expected);
        EXPECT_EQ(s.central->AudioReset(), S_OK);
        EXPECT_EQ(sink.events.back(), "done 1");
        EXPECT_EQ(s.central->Release(), 0u);
        EXPECT_EQ(s.dest->Release(), 0u);
    }
}

TEST(MarkDecodingTest, EachMarkCategoryBecomesItsNotification) {
    SelectedVoice s;
    ASSERT_TRUE(SelectWithTinyBuffer(s));
    RecordingNotifySink<WCHAR> wide;
    RecordingNotifySink<CHAR> narrow;
    DWORD k1 = 0, k2 = 0;
    ASSERT_EQ(s.central->Register(&wide, IID_ITTSNotifySinkW, &k1), S_OK);
    ASSERT_EQ(s.central->Register(&narrow, IID_ITTSNotifySinkA, &k2), S_OK);
    RecordingBufSink sink;
    std::u16string text = u"tekst";
    SDATA data{text.data(), static_cast<DWORD>((text.size() + 1) * 2)};
    ASSERT_EQ(s.central->TextData(CHARSET_TEXT, 0, data, &sink, IID_ITTSBufNotifySink), S_OK);
    s.dest->PlayAll();
    wide.attributes.clear();
    wide.visuals.clear();
    narrow.visuals.clear();

    const DWORD marks[] = {
        7,           0x100000 + 0x9000, 0x10000 + 500, 0x20000 + 120, 0x30000 + 240,
        0x40000 + 3, 0x40000 + 500};
    for (DWORD mark : marks) s.dest->BookMark(mark);
    s.dest->PlayAll();
    EXPECT_EQ(sink.events, (std::vector<std::string>{"mark 7", "mark 36864"}));
    EXPECT_EQ(wide.attributes, (std::vector<DWORD>{TTSNSAC_VOLUME, TTSNSAC_SPEED, TTSNSAC_PITCH}));
    EXPECT_EQ(wide.visuals, (std::vector<DWORD>{u'i', u'_'}));
    EXPECT_EQ(narrow.visuals, (std::vector<DWORD>{0, 0})) << "ANSI sinks get no IPA character";

    s.central->AudioReset();
    s.central->UnRegister(k1);
    s.central->UnRegister(k2);
    EXPECT_EQ(s.central->Release(), 0u);
    EXPECT_EQ(s.dest->Release(), 0u);
}

}  // namespace
