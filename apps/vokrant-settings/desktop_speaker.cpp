#include "desktop_speaker.h"

#include "dialogs/engine_test_speaker.h"
#include "engine/tts_engine.h"
#include "model/pattern_store.h"
#include "platform/log.h"

#ifdef VOKRANT_HAVE_PULSE_SIMPLE
#include <pulse/error.h>
#include <pulse/simple.h>
#endif

bool PlayPcm(const std::vector<unsigned char>& pcm, int sampleRate) {
#ifdef VOKRANT_HAVE_PULSE_SIMPLE
    pa_sample_spec sampleFormat{};
    sampleFormat.format = PA_SAMPLE_S16LE;
    sampleFormat.rate = static_cast<uint32_t>(sampleRate);
    sampleFormat.channels = 1;
    int error = 0;
    pa_simple* stream = pa_simple_new(nullptr, "vokrant-settings", PA_STREAM_PLAYBACK, nullptr,
                                      "test", &sampleFormat, nullptr, nullptr, &error);
    if (!stream) {
        LogMessage("d\x9Fwi\xEAk: %s\n", pa_strerror(error));
        return false;
    }
    const bool ok = pa_simple_write(stream, pcm.data(), pcm.size(), &error) == 0 &&
                    pa_simple_drain(stream, &error) == 0;
    if (!ok) LogMessage("d\x9Fwi\xEAk: %s\n", pa_strerror(error));
    pa_simple_free(stream);
    return ok;
#else
    (void)pcm;
    (void)sampleRate;
    LogMessage(
        "brak urz\xB9"
        "dzenia d\x9Fwi\xEAkowego w tej kompilacji\n");
    return false;
#endif
}

SDesktopSpeaker::~SDesktopSpeaker() {
    WaitForPlayback();
}

void SDesktopSpeaker::WaitForPlayback() {
    if (playback_.joinable()) playback_.join();
}

bool SDesktopSpeaker::Speak(const std::string& text) {
    WaitForPlayback();
    if (!engine_.IsLoaded() && engine_.Load(0) != 0) return false;
    dest_.Clear();
    if (!SEngineTestSpeaker(engine_, dest_).Speak(text)) return false;
    int rate =
        engine_.GetVoice() ? static_cast<int>(engine_.GetVoice()->VoiceFormat().samplesPerSec) : 0;
    if (rate <= 0) rate = 22050;
    playback_ = std::thread([pcm = dest_.Bytes(), rate] { PlayPcm(pcm, rate); });
    return true;
}
