// A host loads the component, selects the voice on its own audio object and
// speaks a text to the end, as the command-line host does.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include "sapi/audio/simulated_audio_dest.h"
#include "sapi/audio/wave_file_audio_dest.h"
#include "sapi/engine_ids.h"
#include "sapi/host/component_module.h"
#include "sapi/host/speech_session.h"

namespace {

using Kind = SSpeechEvent::Kind;

ITTSCentralW* SelectVoice(SComponentModule& module, IUnknown* audio) {
    std::string error;
    ITTSEnumW* e = module.CreateEnumerator(&error);
    EXPECT_NE(e, nullptr) << error;
    if (e == nullptr) return nullptr;
    TTSMODEINFOW mode;
    ULONG fetched = 0;
    e->Next(1, &mode, &fetched);
    EXPECT_EQ(fetched, 1u);
    ITTSCentralW* central = nullptr;
    EXPECT_EQ(e->Select(mode.gModeID, &central, audio), S_OK);
    e->Release();
    return central;
}

TEST(HostSessionTest, SpeaksATextToTheEndOnEachKindOfDestination) {
    SComponentModule module;
    std::string error;
    ASSERT_TRUE(module.Load(VOKRANT_SAPI_MODULE, &error)) << error;

    CSimulatedAudioDest* simulated = CSimulatedAudioDest::Create(16384);
    std::string path = VOKRANT_BINARY_DIR "test-config/host-session.wav";
    unlink(path.c_str());
    CWaveFileAudioDest* file = CWaveFileAudioDest::Create(path);
    struct Target {
        CAudioDestBase* dest;
        SPumpFunction pump;
    };
    int rounds = 0;
    const Target targets[] = {
        {simulated,
         [&] {
             simulated->Advance(4096);
             return ++rounds < 10000;
         }},
        {file,
         [&] {
             file->Pump();
             return ++rounds < 10000;
         }},
    };
    for (const Target& t : targets) {
        rounds = 0;
        ITTSCentralW* central = SelectVoice(module, static_cast<IAudio*>(t.dest));
        ASSERT_NE(central, nullptr);
        std::vector<Kind> kinds;
        HRESULT hr = SpeakAndWait(
            central, u"Dzie\u0144 dobry, to jest pr\u00F3ba.", false,
            [&](const SSpeechEvent& e) { kinds.push_back(e.kind); }, t.pump);
        EXPECT_EQ(hr, S_OK);
        ASSERT_FALSE(kinds.empty());
        EXPECT_EQ(std::count(kinds.begin(), kinds.end(), Kind::Started), 1);
        EXPECT_EQ(std::count(kinds.begin(), kinds.end(), Kind::Done), 1);
        EXPECT_EQ(central->Release(), 0u);
    }
    EXPECT_EQ(file->Finish(), S_OK) << file->LastError();
    EXPECT_EQ(access(path.c_str(), F_OK), 0);
    EXPECT_EQ(simulated->Release(), 0u);
    EXPECT_EQ(file->Release(), 0u);
    EXPECT_TRUE(module.CanUnload());
}

}  // namespace
