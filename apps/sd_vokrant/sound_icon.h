// speech-dispatcher's sound icons: a name a client sends, played from a WAV
// file in the module's sound-icon folder. The name never leads out of the
// folder, and only plain PCM files of bounded size are read.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct SSoundIconAudio {
    std::vector<int16_t> samples;  // mono
    int sampleRate = 0;            // Hz
};

// Largest sound icon read, in bytes.
constexpr size_t kMaxSoundIconBytes = 8u << 20;

// The icon's file in `folder` ("name" or "name.wav"), or "" when the name
// could reach outside the folder or no such file exists.
std::string SoundIconPath(const std::string& folder, std::string_view name);

// Reads a PCM WAV file of 8 or 16 bits, mono or stereo (mixed to mono);
// false when it is not one, or is too long.
bool ReadSoundIcon(const std::string& path, SSoundIconAudio& audio);
