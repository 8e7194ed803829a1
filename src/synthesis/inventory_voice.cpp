#include "synthesis/inventory_voice.h"

#include <cmath>
#include <vector>

SPcmFormat MonoPcm16(uint32_t rate) {
    SPcmFormat format;
    format.formatTag = 1;
    format.channels = 1;
    format.samplesPerSec = rate;
    format.avgBytesPerSec = 2 * rate;
    format.blockAlign = 2;
    format.bitsPerSample = 16;
    return format;
}

namespace {

// A tone whose pitch depends on the id, so patterns are told apart by ear
// and by comparison.
std::vector<unsigned char> ToneBytes(int id, int samples, uint32_t rate) {
    std::vector<unsigned char> bytes(2 * static_cast<size_t>(std::max(samples, 0)));
    double frequency = 100.0 + 10.0 * id;
    for (int i = 0; i < samples; ++i) {
        double phase = 2.0 * M_PI * frequency * i / (rate ? rate : 22050);
        auto value = static_cast<int16_t>(std::lround(3000.0 * std::sin(phase)));
        bytes[2 * i] = static_cast<unsigned char>(value & 0xFF);
        bytes[2 * i + 1] = static_cast<unsigned char>((value >> 8) & 0xFF);
    }
    return bytes;
}

}  // namespace

void BuildInventoryVoice(SAlfPattArr& store, const SPcmFormat& format, int samplesPerPattern,
                         const SPauseLengths& pauses) {
    store.RemoveAll();
    for (int id = 1; id < kInventorySize; ++id) {
        const SAlofonHeader& entry = InventoryEntry(id);
        if (entry.Name().empty()) continue;
        std::vector<unsigned char> bytes = ToneBytes(id, samplesPerPattern, format.samplesPerSec);
        auto* pattern =
            new SAlofonPatt(entry, bytes.data(), static_cast<int>(bytes.size()), format);
        // Short patterns get no curve from the fit; keep the format so the
        // voice's rate is still known.
        pattern->format = format;
        store.Store(id, pattern);
    }
    store.FinishLoad(pauses);
}
