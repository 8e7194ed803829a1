#include "dialogs/windows/wave_out_speaker.h"

#include "dialogs/engine_test_speaker.h"
#include "platform/log.h"

SWaveOutTestSpeaker::SWaveOutTestSpeaker(STtsEngine& engine, unsigned sampleRate)
    : engine_(engine), sampleRate_(sampleRate) {}

SWaveOutTestSpeaker::~SWaveOutTestSpeaker() {
    Stop();
}

bool SWaveOutTestSpeaker::Fail(const char* why) {
    failure_ = why;
    LogMessage("test mowy: %s\n", why);
    return false;
}

void SWaveOutTestSpeaker::Stop() {
    if (!device_) return;
    waveOutReset(device_);
    if (header_.dwFlags & WHDR_PREPARED) waveOutUnprepareHeader(device_, &header_, sizeof header_);
    waveOutClose(device_);
    device_ = nullptr;
    header_ = {};
}

bool SWaveOutTestSpeaker::Speak(const std::string& text) {
    Stop();
    failure_.clear();
    sound_.Clear();
    if (!SEngineTestSpeaker(engine_, sound_).Speak(text)) return Fail("synteza nie powiodła się");
    if (sound_.Bytes().empty()) return true;
    if (waveOutGetNumDevs() == 0) return Fail("brak urządzenia dźwiękowego");

    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = 1;
    format.nSamplesPerSec = sampleRate_;
    format.wBitsPerSample = 16;
    format.nBlockAlign = 2;
    format.nAvgBytesPerSec = sampleRate_ * 2;
    if (waveOutOpen(&device_, WAVE_MAPPER, &format, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR) {
        device_ = nullptr;
        return Fail("nie można otworzyć urządzenia dźwiękowego");
    }
    header_.lpData = reinterpret_cast<LPSTR>(const_cast<unsigned char*>(sound_.Bytes().data()));
    header_.dwBufferLength = static_cast<DWORD>(sound_.Bytes().size());
    if (waveOutPrepareHeader(device_, &header_, sizeof header_) != MMSYSERR_NOERROR ||
        waveOutWrite(device_, &header_, sizeof header_) != MMSYSERR_NOERROR) {
        Stop();
        return Fail("urządzenie dźwiękowe odrzuciło dźwięk");
    }
    return true;
}
