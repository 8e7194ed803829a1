// Handles on several threads: each speaks exactly as it does alone, and a
// stop from another thread ends only the handle it names. The tsan preset
// runs these (and every test named for threads) under ThreadSanitizer.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "capi_speaking.h"
#include "vokrant/vokrant.h"

namespace {

using namespace capi_test;

class CApiThreads : public ::testing::Test {
protected:
    void SetUp() override {
        if (!VoicePresent()) GTEST_SKIP() << "no voice in " << kVoiceDir;
    }
};

TEST_F(CApiThreads, TwoHandlesOnTwoThreadsSpeakAsAlone) {
    const std::string texts[2] = {"Dzień dobry, jak się masz?", "Pociąg odjeżdża o 7:05, peron 3."};
    std::vector<int16_t> alone[2];
    {
        SHandle first, second;
        ASSERT_EQ(vokrant_set_speed(second.handle, 120), VOKRANT_OK);
        alone[0] = first.Speak(texts[0]).pcm;
        alone[1] = second.Speak(texts[1]).pcm;
    }
    SHandle handles[2];
    ASSERT_EQ(vokrant_set_speed(handles[1].handle, 120), VOKRANT_OK);
    std::atomic<int> differing{0};
    auto speakMany = [&](int which) {
        for (int round = 0; round < 4; ++round) {
            const SSpoken spoken = handles[which].Speak(texts[which]);
            if (spoken.status != VOKRANT_OK || spoken.pcm != alone[which]) ++differing;
        }
    };
    std::thread one(speakMany, 0), two(speakMany, 1);
    one.join();
    two.join();
    EXPECT_EQ(differing.load(), 0);
}

TEST_F(CApiThreads, StopFromAnotherThreadEndsOnlyItsHandle) {
    std::string longText;
    for (int i = 0; i < 30; ++i) longText += "To jest długi tekst, który czyta się bardzo długo. ";
    SHandle stopped, other;
    const std::vector<int16_t> otherAlone = other.Speak("Ala ma kota.").pcm;
    struct SState {
        std::atomic<bool> started{false};
    } state;
    auto markStarted = [](const vokrant_event* event, void* user) -> int {
        if (event->type == VOKRANT_EVENT_AUDIO) static_cast<SState*>(user)->started.store(true);
        return 0;
    };
    int status = -100;
    std::thread speaking([&] {
        status =
            vokrant_speak(stopped.handle, longText.c_str(), (size_t)-1, 0, markStarted, &state);
    });
    SSpoken otherSpoken;
    std::thread otherSpeaking([&] { otherSpoken = other.Speak("Ala ma kota."); });
    while (!state.started.load()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    vokrant_stop(stopped.handle);
    speaking.join();
    otherSpeaking.join();
    EXPECT_EQ(status, VOKRANT_STOPPED);
    EXPECT_EQ(otherSpoken.status, VOKRANT_OK);
    EXPECT_EQ(otherSpoken.pcm, otherAlone);
}

}  // namespace
