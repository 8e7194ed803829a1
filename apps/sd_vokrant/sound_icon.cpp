#include "sound_icon.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <fstream>

namespace {

uint32_t Little32(const unsigned char* p) {
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}

uint16_t Little16(const unsigned char* p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

bool IsRegularFile(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// A name made of letters, digits, '-', '_' and '.', not starting with '.'.
bool IsSafeName(std::string_view name) {
    if (name.empty() || name.size() > 255 || name[0] == '.') return false;
    for (char c : name) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.';
        if (!plain) return false;
    }
    return true;
}

struct SPcmFormat {
    int channels = 0;
    int bits = 0;
    int sampleRate = 0;
};

bool ReadFormat(const unsigned char* chunk, uint32_t size, SPcmFormat& format) {
    if (size < 16 || Little16(chunk) != 1) return false;  // PCM only
    format.channels = Little16(chunk + 2);
    format.sampleRate = static_cast<int>(Little32(chunk + 4));
    format.bits = Little16(chunk + 14);
    return (format.channels == 1 || format.channels == 2) &&
           (format.bits == 8 || format.bits == 16) && format.sampleRate >= 4000 &&
           format.sampleRate <= 192000;
}

void MixToMono(const unsigned char* data, size_t bytes, const SPcmFormat& format,
               std::vector<int16_t>& out) {
    const size_t frameBytes = static_cast<size_t>(format.channels * format.bits / 8);
    out.reserve(bytes / frameBytes);
    for (size_t at = 0; at + frameBytes <= bytes; at += frameBytes) {
        int sum = 0;
        for (int c = 0; c < format.channels; ++c) {
            const unsigned char* s = data + at + static_cast<size_t>(c * format.bits / 8);
            sum += format.bits == 8 ? (s[0] - 128) * 256 : static_cast<int16_t>(Little16(s));
        }
        out.push_back(static_cast<int16_t>(sum / format.channels));
    }
}

}  // namespace

std::string SoundIconPath(const std::string& folder, std::string_view name) {
    if (folder.empty() || !IsSafeName(name)) return "";
    const std::string base = folder + (folder.back() == '/' ? "" : "/") + std::string(name);
    for (const std::string& path : {base, base + ".wav"})
        if (IsRegularFile(path)) return path;
    return "";
}

bool ReadSoundIcon(const std::string& path, SSoundIconAudio& audio) {
    std::ifstream in(path, std::ios::binary);
    std::vector<unsigned char> file(kMaxSoundIconBytes + 1);
    in.read(reinterpret_cast<char*>(file.data()), static_cast<std::streamsize>(file.size()));
    const size_t size = static_cast<size_t>(in.gcount());
    if (size > kMaxSoundIconBytes || size < 12 || std::memcmp(file.data(), "RIFF", 4) != 0 ||
        std::memcmp(file.data() + 8, "WAVE", 4) != 0)
        return false;
    SPcmFormat format;
    for (size_t at = 12; at + 8 <= size;) {
        const unsigned char* chunk = file.data() + at;
        const uint32_t length = Little32(chunk + 4);
        const size_t available = std::min<size_t>(length, size - at - 8);
        if (std::memcmp(chunk, "fmt ", 4) == 0 &&
            !ReadFormat(chunk + 8, static_cast<uint32_t>(available), format))
            return false;
        if (std::memcmp(chunk, "data", 4) == 0) {
            if (format.channels == 0) return false;  // data before its format
            MixToMono(chunk + 8, available, format, audio.samples);
            audio.sampleRate = format.sampleRate;
            return !audio.samples.empty();
        }
        at += 8 + static_cast<size_t>(length) + (length & 1);
    }
    return false;
}
