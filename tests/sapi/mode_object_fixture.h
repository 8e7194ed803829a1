// The mode object selected through the component's exports, speaking into a
// simulated destination, with one Unicode notify sink registered.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "component_host.h"
#include "recording_tts_sinks.h"
#include "sapi/audio/simulated_audio_dest.h"
#include "sapi/engine_ids.h"

class ModeObjectTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.Loaded());
        auto* e = host.CreateEnum<ITTSEnumW>(CLSID_VokrantEngine, IID_ITTSEnumW);
        ASSERT_NE(e, nullptr);
        dest = CSimulatedAudioDest::Create(8192);
        ASSERT_EQ(e->Select(MODEID_VokrantNeutral, &central, static_cast<IAudio*>(dest)), S_OK);
        e->Release();
        void* p = nullptr;
        ASSERT_EQ(central->QueryInterface(IID_ITTSAttributesW, &p), S_OK);
        attributes = static_cast<ITTSAttributesW*>(p);
        ASSERT_EQ(central->Register(&notify, IID_ITTSNotifySinkW, &key), S_OK);
    }
    void TearDown() override {
        if (attributes != nullptr) attributes->Release();
        if (central != nullptr) {
            EXPECT_EQ(central->Release(), 0u);
        }
        EXPECT_EQ(notify.refs, 0u) << "registered sinks are released with the mode object";
        EXPECT_EQ(host.canUnloadNow(), S_OK);
        if (dest != nullptr) {
            EXPECT_EQ(dest->Release(), 0u) << "the mode object must release the audio object";
        }
    }

    HRESULT Speak(const std::u16string& text, RecordingBufSink* sink,
                  VOICECHARSET charset = CHARSET_TEXT, DWORD flags = 0) {
        SDATA data{const_cast<char16_t*>(text.c_str()), static_cast<DWORD>((text.size() + 1) * 2)};
        return central->TextData(charset, flags, data, static_cast<ITTSBufNotifySink*>(sink),
                                 IID_ITTSBufNotifySink);
    }
    HRESULT SpeakTagged(const std::u16string& text, RecordingBufSink* sink) {
        return Speak(text, sink, CHARSET_TEXT, TTSDATAFLAG_TAGGED);
    }
    // Plays the destination, `step` bytes at a time, until the sink reports
    // its text done (bounded, so a text that never ends fails instead of hanging).
    void PlayUntilDone(RecordingBufSink& sink, DWORD step = 4096) {
        for (QWORD played = 0; played < (QWORD{8} << 20) && !sink.Done(); played += step)
            dest->Advance(step);
    }

    ComponentHost host;
    CSimulatedAudioDest* dest = nullptr;
    ITTSCentralW* central = nullptr;
    ITTSAttributesW* attributes = nullptr;
    RecordingNotifySink<WCHAR> notify;
    DWORD key = 0;
};
