#include "sapi/audio/windows/wave_out_device.h"

#include <windows.h>
#include <mmsystem.h>

#include <vector>

struct SWaveOutDevice::SBlock {
    WAVEHDR header{};
    std::vector<char> bytes;
};

namespace {

HWAVEOUT Handle(void* device) {
    return static_cast<HWAVEOUT>(device);
}

std::string ErrorText(MMRESULT result) {
    char text[MAXERRORLENGTH] = {};
    if (waveOutGetErrorTextA(result, text, sizeof text) != MMSYSERR_NOERROR || text[0] == 0)
        return "error " + std::to_string(result);
    return text;
}

}  // namespace

bool SWaveOutDevice::AnyPresent(std::string* error) {
    if (waveOutGetNumDevs() > 0) return true;
    *error = "the system has no wave-out device";
    return false;
}

SWaveOutDevice::SWaveOutDevice() : blockDone_(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {}

SWaveOutDevice::~SWaveOutDevice() {
    Close();
    if (blockDone_ != nullptr) CloseHandle(blockDone_);
}

bool SWaveOutDevice::Open(std::uint32_t rate, std::uint16_t channels, std::uint16_t bits,
                          std::string* error, bool* badFormat) {
    *badFormat = false;
    if (blockDone_ == nullptr) return *error = "cannot create an event", false;
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = channels;
    format.nSamplesPerSec = rate;
    format.wBitsPerSample = bits;
    format.nBlockAlign = static_cast<WORD>(channels * bits / 8);
    format.nAvgBytesPerSec = rate * format.nBlockAlign;
    HWAVEOUT device = nullptr;
    MMRESULT result = waveOutOpen(&device, WAVE_MAPPER, &format,
                                  reinterpret_cast<DWORD_PTR>(blockDone_), 0, CALLBACK_EVENT);
    if (result != MMSYSERR_NOERROR) {
        *badFormat = result == WAVERR_BADFORMAT;
        *error = "no wave-out device: " + ErrorText(result);
        return false;
    }
    waveOutPause(device);  // nothing is heard before the host starts it
    device_ = device;
    return true;
}

void SWaveOutDevice::Close() {
    if (device_ == nullptr) return;
    Reset();
    waveOutClose(Handle(device_));
    device_ = nullptr;
}

bool SWaveOutDevice::Write(const void* data, std::uint32_t bytes, std::string* error) {
    if (device_ == nullptr) return *error = "the wave-out device is not open", false;
    auto block = std::make_unique<SBlock>();
    block->bytes.assign(static_cast<const char*>(data), static_cast<const char*>(data) + bytes);
    block->header.lpData = block->bytes.data();
    block->header.dwBufferLength = bytes;
    MMRESULT result = waveOutPrepareHeader(Handle(device_), &block->header, sizeof block->header);
    if (result != MMSYSERR_NOERROR)
        return *error = "cannot queue sound: " + ErrorText(result), false;
    result = waveOutWrite(Handle(device_), &block->header, sizeof block->header);
    if (result != MMSYSERR_NOERROR) {
        waveOutUnprepareHeader(Handle(device_), &block->header, sizeof block->header);
        return *error = "cannot play sound: " + ErrorText(result), false;
    }
    queued_.push_back(std::move(block));
    return true;
}

std::uint64_t SWaveOutDevice::CollectPlayed() {
    std::uint64_t played = 0;
    while (!queued_.empty() && (queued_.front()->header.dwFlags & WHDR_DONE) != 0) {
        SBlock& block = *queued_.front();
        waveOutUnprepareHeader(Handle(device_), &block.header, sizeof block.header);
        played += block.header.dwBufferLength;
        queued_.pop_front();
    }
    return played;
}

void SWaveOutDevice::Reset() {
    if (device_ == nullptr) return;
    waveOutReset(Handle(device_));  // marks every queued block done
    CollectPlayed();
}

void SWaveOutDevice::SetRunning(bool running) {
    if (device_ == nullptr) return;
    if (running)
        waveOutRestart(Handle(device_));
    else
        waveOutPause(Handle(device_));
}

void SWaveOutDevice::WaitForBlock(int timeoutMs) {
    if (blockDone_ != nullptr && timeoutMs > 0)
        WaitForSingleObject(blockDone_, static_cast<DWORD>(timeoutMs));
}
